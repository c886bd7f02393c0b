#ifndef DEVICEWATCHER_LINUX_H
#define DEVICEWATCHER_LINUX_H

#include "devicewatcher.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

class MountTableMonitor;
class QSocketNotifier;

// Linux: volumes from the mount table (/proc/self/mountinfo signals every
// mount and unmount with POLLPRI, watched in a thread of its own), the camera's video device from
// video4linux nodes (udev's monitor, or the kernel's uevents where no udevd
// runs). Each new USB disk mount is announced as a disk interface before
// its volume, as Windows does, so the same decisions apply.
class DeviceWatcherLinux : public DeviceWatcher
{
    Q_OBJECT

public:
    struct MountEntry
    {
        int id = -1;
        QString majorMinor;  // "8:17"
        QString root;        // root of the mount within its file system
        QString mountPoint;
        bool operator==(const MountEntry &o) const
        {
            return id == o.id && majorMinor == o.majorMinor && root == o.root && mountPoint == o.mountPoint;
        }
    };

    explicit DeviceWatcherLinux(QObject *parent = nullptr,
                                const QString &sysfsRoot = QStringLiteral("/sys"),
                                const QString &mountInfoPath = QStringLiteral("/proc/self/mountinfo"));
    ~DeviceWatcherLinux() override;

    void start() override;

    QString sysfsRoot() const { return sysRoot; }
    void setSysfsRoot(const QString &root) { sysRoot = root; }
    QString mountInfoPath() const { return mountInfo; }

    // Reads kernel uevents from this datagram socket (taking it over)
    // instead of opening udev or netlink; call before start().
    void setUeventSocket(int fd);

    static QVector<MountEntry> parseMountInfo(const QByteArray &text);
    // Undoes the kernel's octal escapes (\040 space, \011, \012, \134).
    static QString decodeMountField(const QByteArray &field);

    // The Windows-style interface path of the USB disk behind a block
    // device ("8:17"); empty when it is no USB disk.
    QString diskInterfacePath(const QString &majorMinor) const;
    // The interface path of the USB device of a camera video node; empty
    // when the node is not the camera's.
    QString videoInterfacePath(const QString &node) const;

    // Whether a uevent datagram may change the set of video devices.
    static bool ueventConcernsVideo(const QByteArray &datagram);

public slots:
    void rescan() override;
    void rescanMounts();
    void rescanVideoNodes();

private slots:
    void readUevents();
    void readUdev();

private:
    struct KnownMount
    {
        MountEntry entry;
        QString interfacePath;  // empty: not a USB disk, never announced
    };

    QVector<KnownMount> readMounts(const QVector<KnownMount> &previous) const;
    QHash<QString, QString> readVideoDevices() const;
    void openUeventSource();
    static QString rootPathOf(const QString &mountPoint);

    QString sysRoot;
    QString mountInfo;
    bool started = false;
    int mountFd = -1;
    MountTableMonitor *mountMonitor = nullptr;
    int ueventFd = -1;
    QSocketNotifier *ueventNotifier = nullptr;
    void *udevContext = nullptr;
    void *udevMonitor = nullptr;
    QVector<KnownMount> mounts;
    QHash<QString, QString> videoDevices;  // USB device path -> interface path
};

#endif // DEVICEWATCHER_LINUX_H
