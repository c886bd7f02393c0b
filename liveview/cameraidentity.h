#ifndef CAMERAIDENTITY_H
#define CAMERAIDENTITY_H

#include <QString>

// Tells whether a video device is the camera: USB vendor 5656, product 010c,
// a video capture device. Windows names the device with its ids; Linux names
// a node (/dev/video0) whose USB device is found through sysfs.
class CameraIdentity
{
public:
    static const quint16 vendorId = 0x5656;
    static const quint16 productId = 0x010c;

    // The system's camera name (QCameraInfo::deviceName()) is the camera.
    static bool isCamera(const QString &deviceName);

    // Windows device name rule, case-sensitive: the capture-class identifier
    // anywhere, and before the first "{" "5656&" or "5656#" and "010c&" or
    // "010c#".
    static bool matchesDeviceName(const QString &deviceName);

    // Linux. node is "video0" or a device path such as "/dev/video0".
    static bool isCameraNode(const QString &node, const QString &sysfsRoot = defaultSysfsRoot());
    // The canonical sysfs directory of the USB device behind the node, or
    // empty when there is none.
    static QString usbDeviceOfNode(const QString &node, const QString &sysfsRoot = defaultSysfsRoot());
    // The node is the capture node of its device, not e.g. UVC metadata.
    static bool isCaptureNode(const QString &node, const QString &sysfsRoot = defaultSysfsRoot());

    // Walks up from a sysfs device directory to the USB device that holds
    // idVendor and idProduct, never leaving <sysfsRoot>. Empty when
    // the device has no USB parent.
    static QString usbDeviceDirOf(const QString &sysfsDevicePath, const QString &sysfsRoot);
    // Reads idVendor and idProduct (hexadecimal) of a USB device directory.
    static bool readUsbIds(const QString &usbDeviceDir, quint16 *vendor, quint16 *product);
    // The first line of a sysfs attribute, trimmed; empty when unreadable.
    static QString readAttribute(const QString &path);

    static QString defaultSysfsRoot() { return QStringLiteral("/sys"); }
    static QString nodeName(const QString &node);
};

#endif // CAMERAIDENTITY_H
