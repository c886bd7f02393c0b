#ifndef MOUNTTABLEMONITOR_LINUX_H
#define MOUNTTABLEMONITOR_LINUX_H

#include <QThread>

// Waits on the mount table (/proc/self/mountinfo reports each change once,
// with POLLPRI) in a thread of its own and signals every change.
// A socket notifier in the GUI thread is not enough: a page that waits in a
// nested event loop can let the GLib dispatcher poll the file without
// dispatching the notifier, and that change is then never reported again.
class MountTableMonitor : public QThread
{
    Q_OBJECT

public:
    // fd stays owned by the caller and must outlive the monitor.
    explicit MountTableMonitor(int fd, QObject *parent = nullptr);
    ~MountTableMonitor() override;

    void stop();

signals:
    void changed();

protected:
    void run() override;

private:
    int mountFd;
    int wakeFds[2] = {-1, -1};
};

#endif // MOUNTTABLEMONITOR_LINUX_H
