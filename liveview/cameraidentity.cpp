#include "cameraidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

bool CameraIdentity::isCamera(const QString &deviceName)
{
#ifdef Q_OS_WIN
    return matchesDeviceName(deviceName);
#else
    return isCameraNode(deviceName);
#endif
}

bool CameraIdentity::matchesDeviceName(const QString &deviceName)
{
    // The identifier of the video-capture device class.
    if (!deviceName.contains(QLatin1String("65e8773d-8f56-11d0-a3b9-00a0c9223196")))
        return false;
    const int brace = deviceName.indexOf(QLatin1Char('{'));
    const QString prefix = brace < 0 ? deviceName : deviceName.left(brace);
    const bool vendor = prefix.contains(QLatin1String("5656&")) || prefix.contains(QLatin1String("5656#"));
    const bool product = prefix.contains(QLatin1String("010c&")) || prefix.contains(QLatin1String("010c#"));
    return vendor && product;
}

QString CameraIdentity::nodeName(const QString &node)
{
    QString name = node;
    // A /dev path may be a symlink (/dev/v4l/by-id/...); only the real
    // system's /dev is resolved.
    if (name.startsWith(QLatin1String("/dev/"))) {
        const QString real = QFileInfo(name).canonicalFilePath();
        if (!real.isEmpty())
            name = real;
    }
    name = QFileInfo(name).fileName();
    // Only plain node names: never let a name walk out of the class folder.
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_.:-]+$"));
    if (name == QLatin1String(".") || name == QLatin1String("..") || !valid.match(name).hasMatch())
        return QString();
    return name;
}

static QString classDir(const QString &node, const QString &sysfsRoot)
{
    const QString name = CameraIdentity::nodeName(node);
    if (name.isEmpty())
        return QString();
    return sysfsRoot + QStringLiteral("/class/video4linux/") + name;
}

QString CameraIdentity::readAttribute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readLine(4096)).trimmed();
}

bool CameraIdentity::readUsbIds(const QString &usbDeviceDir, quint16 *vendor, quint16 *product)
{
    bool okVendor = false;
    bool okProduct = false;
    const uint v = readAttribute(usbDeviceDir + QStringLiteral("/idVendor")).toUInt(&okVendor, 16);
    const uint p = readAttribute(usbDeviceDir + QStringLiteral("/idProduct")).toUInt(&okProduct, 16);
    if (!okVendor || !okProduct || v > 0xffff || p > 0xffff)
        return false;
    if (vendor)
        *vendor = quint16(v);
    if (product)
        *product = quint16(p);
    return true;
}

QString CameraIdentity::usbDeviceDirOf(const QString &sysfsDevicePath, const QString &sysfsRoot)
{
    const QString root = QFileInfo(sysfsRoot).canonicalFilePath();
    QString dir = QFileInfo(sysfsDevicePath).canonicalFilePath();
    if (root.isEmpty() || dir.isEmpty())
        return QString();
    // Only below the root: ids lying above a test tree, or the root's own,
    // are no device's. Trees need not keep their devices in "devices/".
    const QString below = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    // dir is canonical, so taking the parent as text is exact.
    while (dir.startsWith(below)) {
        if (QFileInfo::exists(dir + QStringLiteral("/idVendor"))
            && QFileInfo::exists(dir + QStringLiteral("/idProduct")))
            return dir;
        dir = dir.left(dir.lastIndexOf(QLatin1Char('/')));
    }
    return QString();
}

QString CameraIdentity::usbDeviceOfNode(const QString &node, const QString &sysfsRoot)
{
    const QString dir = classDir(node, sysfsRoot);
    if (dir.isEmpty())
        return QString();
    // canonical first: "device/.." as text is not the device's parent.
    const QString device = QFileInfo(dir + QStringLiteral("/device")).canonicalFilePath();
    if (device.isEmpty())
        return QString();
    return usbDeviceDirOf(device, sysfsRoot);
}

bool CameraIdentity::isCaptureNode(const QString &node, const QString &sysfsRoot)
{
    const QString dir = classDir(node, sysfsRoot);
    if (dir.isEmpty() || !QFileInfo::exists(dir))
        return false;
    // A UVC camera registers its capture node first (index 0) and a
    // metadata node after it.
    const QString index = readAttribute(dir + QStringLiteral("/index"));
    if (!index.isEmpty() && index != QLatin1String("0"))
        return false;
#ifdef Q_OS_LINUX
    // On the real system ask the driver when the node can be opened.
    if (QFileInfo(sysfsRoot).canonicalFilePath() == QLatin1String("/sys")) {
        const QByteArray path = QFile::encodeName(QStringLiteral("/dev/") + nodeName(node));
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            v4l2_capability cap = {};
            const int rc = ::ioctl(fd, VIDIOC_QUERYCAP, &cap);
            ::close(fd);
            if (rc == 0) {
                const quint32 caps = (cap.capabilities & V4L2_CAP_DEVICE_CAPS) ? cap.device_caps
                                                                              : cap.capabilities;
                return caps & (V4L2_CAP_VIDEO_CAPTURE | V4L2_CAP_VIDEO_CAPTURE_MPLANE);
            }
        }
    }
#endif
    return true;
}

bool CameraIdentity::isCameraNode(const QString &node, const QString &sysfsRoot)
{
    const QString usb = usbDeviceOfNode(node, sysfsRoot);
    quint16 vendor = 0;
    quint16 product = 0;
    if (usb.isEmpty() || !readUsbIds(usb, &vendor, &product))
        return false;
    return vendor == vendorId && product == productId && isCaptureNode(node, sysfsRoot);
}
