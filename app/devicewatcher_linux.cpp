#include "devicewatcher_linux.h"

#include "mounttablemonitor_linux.h"

#include "cameraidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

#ifdef VELK_HAVE_LIBUDEV
#include <libudev.h>
#endif

namespace {

const QString diskClass = QStringLiteral("{53f56307-b6bf-11d0-94f2-00a0c91efb8b}");
const QString usbDeviceClass = QStringLiteral("{a5dcbf10-6530-11d2-901f-00c04fb951ed}");

// Keeps a sysfs text usable inside an interface path: the path's own
// separators ('#', '&', '\', '{') never come from a device.
QString pathField(const QString &text)
{
    QString out;
    for (const QChar c : text.trimmed()) {
        const bool plain = (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                           || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                           || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                           || c == QLatin1Char('.') || c == QLatin1Char('-');
        out += plain ? c : QLatin1Char('_');
    }
    return out;
}

QByteArray readWhole(int fd)
{
    QByteArray text;
    if (::lseek(fd, 0, SEEK_SET) < 0)
        return text;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, int(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return text;
}

QByteArray readWhole(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    const QByteArray text = readWhole(fd);
    ::close(fd);
    return text;
}

} // namespace

DeviceWatcher *DeviceWatcher::create(QWidget *window)
{
    return new DeviceWatcherLinux(window);
}

DeviceWatcherLinux::DeviceWatcherLinux(QObject *parent, const QString &sysfsRoot,
                                       const QString &mountInfoPath)
    : DeviceWatcher(parent)
    , sysRoot(sysfsRoot)
    , mountInfo(mountInfoPath)
{
}

DeviceWatcherLinux::~DeviceWatcherLinux()
{
    delete mountMonitor;
    delete ueventNotifier;
    if (mountFd >= 0)
        ::close(mountFd);
    if (ueventFd >= 0)
        ::close(ueventFd);
#ifdef VELK_HAVE_LIBUDEV
    if (udevMonitor)
        udev_monitor_unref(static_cast<udev_monitor *>(udevMonitor));
    if (udevContext)
        udev_unref(static_cast<udev *>(udevContext));
#endif
}

void DeviceWatcherLinux::setUeventSocket(int fd)
{
    if (ueventFd >= 0)
        ::close(ueventFd);
    ueventFd = fd;
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

void DeviceWatcherLinux::start()
{
    if (started)
        return;
    started = true;

    // What is there at start-up is not news; the pages scan for it.
    mounts = readMounts({});
    videoDevices = readVideoDevices();

    mountFd = ::open(QFile::encodeName(mountInfo).constData(), O_RDONLY | O_CLOEXEC);
    if (mountFd >= 0) {
        mountMonitor = new MountTableMonitor(mountFd);
        connect(mountMonitor, &MountTableMonitor::changed, this, &DeviceWatcherLinux::rescanMounts,
                Qt::QueuedConnection);
        mountMonitor->start();
    }
    openUeventSource();
}

void DeviceWatcherLinux::openUeventSource()
{
    if (ueventFd < 0) {
#ifdef VELK_HAVE_LIBUDEV
        // udevd's events come once the device node is ready.
        udev *context = udev_new();
        udev_queue *queue = context ? udev_queue_new(context) : nullptr;
        const bool udevRuns = queue && udev_queue_get_udev_is_active(queue);
        if (queue)
            udev_queue_unref(queue);
        udev_monitor *monitor = udevRuns ? udev_monitor_new_from_netlink(context, "udev") : nullptr;
        if (monitor && udev_monitor_filter_add_match_subsystem_devtype(monitor, "video4linux", nullptr) >= 0
            && udev_monitor_enable_receiving(monitor) >= 0) {
            udevContext = context;
            udevMonitor = monitor;
            auto *notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read);
            ueventNotifier = notifier;
            connect(notifier, &QSocketNotifier::activated, this, &DeviceWatcherLinux::readUdev);
            return;
        }
        if (monitor)
            udev_monitor_unref(monitor);
        if (context)
            udev_unref(context);
#endif
        // Without udevd (a container), listen to the kernel itself.
        const int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK,
                                NETLINK_KOBJECT_UEVENT);
        if (fd < 0)
            return;
        sockaddr_nl address = {};
        address.nl_family = AF_NETLINK;
        address.nl_groups = 1;  // the kernel's own broadcasts
        if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) < 0) {
            ::close(fd);
            return;
        }
        ueventFd = fd;
    }
    ueventNotifier = new QSocketNotifier(ueventFd, QSocketNotifier::Read);
    connect(ueventNotifier, &QSocketNotifier::activated, this, &DeviceWatcherLinux::readUevents);
}

void DeviceWatcherLinux::readUdev()
{
#ifdef VELK_HAVE_LIBUDEV
    auto *monitor = static_cast<udev_monitor *>(udevMonitor);
    while (udev_device *device = udev_monitor_receive_device(monitor))
        udev_device_unref(device);
    // The events only say that something changed; sysfs says what, and
    // stays right when events were lost under load.
    rescanVideoNodes();
#endif
}

bool DeviceWatcherLinux::ueventConcernsVideo(const QByteArray &datagram)
{
    // udevd's own messages start with "libudev"; kernel ones with
    // "action@devpath" followed by KEY=value fields, all NUL-separated.
    if (datagram.startsWith("libudev") || !datagram.contains('@'))
        return false;
    const QList<QByteArray> fields = datagram.split('\0');
    for (const QByteArray &field : fields) {
        if (field == "SUBSYSTEM=video4linux" || field == "SUBSYSTEM=usb")
            return true;
    }
    return false;
}

void DeviceWatcherLinux::readUevents()
{
    bool changed = false;
    char buffer[8192];
    for (;;) {
        sockaddr_storage from = {};
        socklen_t fromLength = sizeof from;
        const ssize_t n = ::recvfrom(ueventFd, buffer, sizeof buffer, MSG_DONTWAIT,
                                     reinterpret_cast<sockaddr *>(&from), &fromLength);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // The socket overflowed: events were dropped, so look again.
            if (errno == ENOBUFS) {
                changed = true;
                continue;
            }
            break;
        }
        if (n == 0) {
            // Only a closed test socket says nothing; stop listening to it.
            ueventNotifier->setEnabled(false);
            break;
        }
        if (fromLength >= sizeof(sockaddr_nl) && from.ss_family == AF_NETLINK
            && reinterpret_cast<const sockaddr_nl *>(&from)->nl_pid != 0)
            continue;  // not from the kernel
        if (ueventConcernsVideo(QByteArray::fromRawData(buffer, int(n))))
            changed = true;
    }
    if (changed)
        rescanVideoNodes();
}

void DeviceWatcherLinux::rescan()
{
    rescanMounts();
    rescanVideoNodes();
}

QString DeviceWatcherLinux::decodeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field.at(i) == '\\' && i + 3 < field.size()) {
            const char a = field.at(i + 1), b = field.at(i + 2), c = field.at(i + 3);
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out.append(char(((a - '0') << 6) | ((b - '0') << 3) | (c - '0')));
                i += 3;
                continue;
            }
        }
        out.append(field.at(i));
    }
    return QFile::decodeName(out);
}

QVector<DeviceWatcherLinux::MountEntry> DeviceWatcherLinux::parseMountInfo(const QByteArray &text)
{
    // "36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 - ext3 /dev/root rw"
    static const QRegularExpression majorMinor(QStringLiteral("^\\d+:\\d+$"));
    QVector<MountEntry> entries;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5)
            continue;
        MountEntry entry;
        bool ok = false;
        entry.id = fields.at(0).toInt(&ok);
        if (!ok)
            continue;
        entry.majorMinor = QString::fromLatin1(fields.at(2));
        if (!majorMinor.match(entry.majorMinor).hasMatch())
            continue;
        entry.root = decodeMountField(fields.at(3));
        entry.mountPoint = decodeMountField(fields.at(4));
        if (entry.mountPoint.isEmpty())
            continue;
        entries.append(entry);
    }
    return entries;
}

QString DeviceWatcherLinux::rootPathOf(const QString &mountPoint)
{
    return mountPoint.endsWith(QLatin1Char('/')) ? mountPoint : mountPoint + QLatin1Char('/');
}

QString DeviceWatcherLinux::diskInterfacePath(const QString &majorMinor) const
{
    static const QRegularExpression valid(QStringLiteral("^\\d+:\\d+$"));
    if (!valid.match(majorMinor).hasMatch())
        return QString();
    // Only sysfs is read here: nothing can hang on a dead mount.
    QString device = QFileInfo(sysRoot + QStringLiteral("/dev/block/") + majorMinor).canonicalFilePath();
    if (device.isEmpty())
        return QString();
    // A partition's disk is its parent; a tree that leaves out the
    // "partition" mark still shows it by having no "device" link.
    const QString parent = device.left(device.lastIndexOf(QLatin1Char('/')));
    if (QFileInfo::exists(device + QStringLiteral("/partition"))
        || (!QFileInfo::exists(device + QStringLiteral("/device"))
            && QFileInfo::exists(parent + QStringLiteral("/device"))))
        device = parent;
    const QString usb = CameraIdentity::usbDeviceDirOf(device, sysRoot);
    if (usb.isEmpty())
        return QString();

    const QString scsi = QFileInfo(device + QStringLiteral("/device")).canonicalFilePath();
    QString vendor, model, revision;
    if (!scsi.isEmpty()) {
        vendor = CameraIdentity::readAttribute(scsi + QStringLiteral("/vendor"));
        model = CameraIdentity::readAttribute(scsi + QStringLiteral("/model"));
        revision = CameraIdentity::readAttribute(scsi + QStringLiteral("/rev"));
    }
    // The camera's disk is known by its product; any text around "Q4815"
    // in the model still makes it the camera.
    const QString product = model.contains(QLatin1String("Q4815")) ? QStringLiteral("Q4815")
                                                                   : pathField(model);
    QString serial = CameraIdentity::readAttribute(usb + QStringLiteral("/serial"));
    if (serial.isEmpty())
        serial = QFileInfo(usb).fileName();
    return QStringLiteral("\\\\?\\USBSTOR#Disk&Ven_") + pathField(vendor) + QStringLiteral("&Prod_")
           + product + QStringLiteral("&Rev_") + pathField(revision) + QLatin1Char('#')
           + pathField(serial) + QStringLiteral("&0#") + diskClass;
}

QString DeviceWatcherLinux::videoInterfacePath(const QString &node) const
{
    if (!CameraIdentity::isCameraNode(node, sysRoot))
        return QString();
    const QString usb = CameraIdentity::usbDeviceOfNode(node, sysRoot);
    quint16 vendor = 0, product = 0;
    if (!CameraIdentity::readUsbIds(usb, &vendor, &product))
        return QString();
    QString serial = CameraIdentity::readAttribute(usb + QStringLiteral("/serial"));
    if (serial.isEmpty())
        serial = QFileInfo(usb).fileName();
    return QStringLiteral("\\\\?\\USB#VID_%1&PID_%2#")
               .arg(vendor, 4, 16, QLatin1Char('0'))
               .arg(product, 4, 16, QLatin1Char('0'))
               .toUpper()
           + pathField(serial) + QLatin1Char('#') + usbDeviceClass;
}

QVector<DeviceWatcherLinux::KnownMount>
DeviceWatcherLinux::readMounts(const QVector<KnownMount> &previous) const
{
    const QByteArray text = mountFd >= 0 && mountInfo.startsWith(QLatin1String("/proc/"))
                                ? readWhole(mountFd)
                                : readWhole(mountInfo);
    QVector<KnownMount> now;
    const QVector<MountEntry> entries = parseMountInfo(text);
    for (const MountEntry &entry : entries) {
        KnownMount known;
        known.entry = entry;
        bool seen = false;
        for (const KnownMount &old : previous) {
            if (old.entry == entry) {
                known.interfacePath = old.interfacePath;
                seen = true;
                break;
            }
        }
        // Only whole file systems are volumes, not bind mounts of a folder.
        if (!seen && entry.root == QLatin1String("/"))
            known.interfacePath = diskInterfacePath(entry.majorMinor);
        now.append(known);
    }
    return now;
}

void DeviceWatcherLinux::rescanMounts()
{
    const QVector<KnownMount> previous = mounts;
    const QVector<KnownMount> current = readMounts(previous);
    mounts = current;

    auto contains = [](const QVector<KnownMount> &list, const MountEntry &entry) {
        for (const KnownMount &known : list) {
            if (known.entry == entry)
                return true;
        }
        return false;
    };
    // The disk is announced before its volume, on removal as on arrival.
    for (const KnownMount &old : previous) {
        if (old.interfacePath.isEmpty() || contains(current, old.entry))
            continue;
        emit notice(DeviceNotice::deviceInterface(DeviceNotice::RemoveComplete, old.interfacePath));
        emit notice(DeviceNotice::volume(DeviceNotice::RemoveComplete, rootPathOf(old.entry.mountPoint)));
    }
    for (const KnownMount &added : current) {
        if (added.interfacePath.isEmpty() || contains(previous, added.entry))
            continue;
        emit notice(DeviceNotice::deviceInterface(DeviceNotice::Arrival, added.interfacePath));
        emit notice(DeviceNotice::volume(DeviceNotice::Arrival, rootPathOf(added.entry.mountPoint)));
    }
}

QHash<QString, QString> DeviceWatcherLinux::readVideoDevices() const
{
    QHash<QString, QString> devices;
    const QDir dir(sysRoot + QStringLiteral("/class/video4linux"));
    const QStringList nodes = dir.entryList(QDir::Dirs | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &node : nodes) {
        const QString path = videoInterfacePath(node);
        if (path.isEmpty())
            continue;
        // One notice per USB device, however many nodes it has.
        const QString usb = CameraIdentity::usbDeviceOfNode(node, sysRoot);
        if (!devices.contains(usb))
            devices.insert(usb, path);
    }
    return devices;
}

void DeviceWatcherLinux::rescanVideoNodes()
{
    const QHash<QString, QString> previous = videoDevices;
    const QHash<QString, QString> current = readVideoDevices();
    videoDevices = current;
    for (auto it = previous.cbegin(); it != previous.cend(); ++it) {
        if (!current.contains(it.key()))
            emit notice(DeviceNotice::deviceInterface(DeviceNotice::RemoveComplete, it.value()));
    }
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        if (!previous.contains(it.key()))
            emit notice(DeviceNotice::deviceInterface(DeviceNotice::Arrival, it.value()));
    }
}
