#ifndef PRIVATEMOUNT_H
#define PRIVATEMOUNT_H

// Tests that mount file systems (camera volumes, full or read-only
// folders) run inside a private mount namespace: nothing they mount is
// seen outside the test process. As root, main() re-runs the program
// under "unshare -m"; otherwise the tests skip with the reason.

#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QString>
#include <QVector>

#include <cstdlib>
#include <unistd.h>

namespace PrivateMount {

// Why the tests cannot mount, or "" inside the private namespace.
inline QString problem(const char *marker)
{
    const QByteArray state = qgetenv(marker);
    if (state == "inside")
        return QString();
    if (geteuid() != 0)
        return QStringLiteral("mounting a file system needs root");
    return QStringLiteral("cannot enter a private mount namespace (unshare -m)");
}

// As root, re-executes the program in a private mount namespace (does not
// return then); marker tells the new process where it runs.
inline void enter(int argc, char *argv[], const char *marker)
{
    if (geteuid() != 0 || !qEnvironmentVariableIsEmpty(marker))
        return;
    if (system("unshare -m --propagation private true >/dev/null 2>&1") == 0) {
        qputenv(marker, "inside");
        QVector<char *> args;
        args << const_cast<char *>("unshare") << const_cast<char *>("-m")
             << const_cast<char *>("--propagation") << const_cast<char *>("private");
        for (int i = 0; i < argc; ++i)
            args << argv[i];
        args << nullptr;
        execvp("unshare", args.data());
    }
    qputenv(marker, "unavailable");
}

// A tmpfs on path; options such as "size=32m".
inline bool mountTmpfs(const QString &path, const QString &options,
                       const QString &source = QStringLiteral("velktest"))
{
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              options, source, path})
        == 0;
}

inline bool remountReadOnly(const QString &path)
{
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-o"), QStringLiteral("remount,ro"), path})
        == 0;
}

inline void unmount(const QString &path)
{
    QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), path});
}

} // namespace PrivateMount

// Like VELK_TEST_MAIN, run inside a private mount namespace when possible.
#define VELK_PRIVATE_MOUNT_TEST_MAIN(TestObject, marker)             \
    int main(int argc, char *argv[])                                 \
    {                                                                \
        PrivateMount::enter(argc, argv, marker);                     \
        VELK_TEST_RUN(TestObject)                                    \
    }

#endif // PRIVATEMOUNT_H
