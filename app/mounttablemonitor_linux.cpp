#include "mounttablemonitor_linux.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

MountTableMonitor::MountTableMonitor(int fd, QObject *parent)
    : QThread(parent)
    , mountFd(fd)
{
    if (::pipe2(wakeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        wakeFds[0] = wakeFds[1] = -1;
}

MountTableMonitor::~MountTableMonitor()
{
    stop();
    for (int fd : wakeFds) {
        if (fd >= 0)
            ::close(fd);
    }
}

void MountTableMonitor::stop()
{
    if (!isRunning())
        return;
    if (wakeFds[1] >= 0) {
        const char byte = 0;
        while (::write(wakeFds[1], &byte, 1) < 0 && errno == EINTR) {
        }
    } else {
        requestInterruption();
    }
    wait();
}

void MountTableMonitor::run()
{
    pollfd fds[2] = {{mountFd, POLLPRI, 0}, {wakeFds[0], POLLIN, 0}};
    const nfds_t count = wakeFds[0] >= 0 ? 2 : 1;
    // Without a wake-up pipe the thread looks at the stop request now and then.
    const int timeoutMs = wakeFds[0] >= 0 ? -1 : 500;
    while (!isInterruptionRequested()) {
        const int ready = ::poll(fds, count, timeoutMs);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (count == 2 && fds[1].revents)
            return;
        if (fds[0].revents & POLLNVAL)
            return;
        if (fds[0].revents & (POLLPRI | POLLERR))
            emit changed();
    }
}
