#ifndef DEVICECHANGELOGIC_H
#define DEVICECHANGELOGIC_H

#include <QMetaType>
#include <QString>
#include <QVector>
#include <functional>

// One device-change notification, shaped like the Windows WM_DEVICECHANGE
// records so that every platform feeds the same decisions.
struct DeviceNotice
{
    enum Event : quint32 {
        NodesChanged = 0x0007,   // DBT_DEVNODES_CHANGED
        Arrival = 0x8000,        // DBT_DEVICEARRIVAL
        RemoveComplete = 0x8004  // DBT_DEVICEREMOVECOMPLETE
    };
    enum RecordType : quint32 {
        Volume = 2,          // DBT_DEVTYP_VOLUME
        DeviceInterface = 5  // DBT_DEVTYP_DEVICEINTERFACE
    };
    enum VolumeFlag : quint16 {
        Media = 1,  // DBTF_MEDIA
        Net = 2     // DBTF_NET
    };

    quint32 event = 0;
    quint32 recordType = 0;
    // Volumes: Windows gives a drive-letter mask; systems without drive
    // letters give the mount point ("/media/cam/") instead.
    quint32 unitMask = 0;
    QString rootPath;
    quint16 flags = 0;
    // Device interfaces: the interface path ("\\?\USBSTOR#Disk&Ven_...").
    QString interfacePath;

    static DeviceNotice volume(quint32 event, const QString &rootPath, quint16 flags = 0);
    static DeviceNotice volumeMask(quint32 event, quint32 unitMask, quint16 flags = 0);
    static DeviceNotice deviceInterface(quint32 event, const QString &path);
};
Q_DECLARE_METATYPE(DeviceNotice)

// What the main window is told: code 1 camera volume ready, 2 camera video
// device arrived, 3 camera volume removed, 4 camera video device removed.
struct DeviceEvent
{
    qint8 code;
    QString deviceType;
    bool operator==(const DeviceEvent &o) const { return code == o.code && deviceType == o.deviceType; }
};

// Turns device notices into camera events. The one-slot memory of the
// camera's device type belongs to the caller (the main window); a disk
// interface announced before a volume tells whether that volume is the
// camera's.
class DeviceChangeLogic
{
public:
    // Whether a valid, ready, mounted volume has exactly this root path.
    using VolumeProbe = std::function<bool(const QString &rootPath)>;

    explicit DeviceChangeLogic(VolumeProbe probe = mountedVolumeReady);

    QVector<DeviceEvent> process(const DeviceNotice &notice, QString &pendingDeviceType) const;

    // Lowest of the 26 drive bits as a letter; '[' (after 'Z') when none is set.
    static QChar driveLetterFromMask(quint32 unitMask);
    // Root path a volume notice stands for: its own, or "<letter>:/".
    static QString rootPathOf(const DeviceNotice &notice);

    // The system's volumes. On Windows every mounted volume is checked;
    // elsewhere only the given mount point is looked at, so that a dead
    // network mount elsewhere cannot block the caller.
    static bool mountedVolumeReady(const QString &rootPath);

    static const QString cameraType;

private:
    VolumeProbe probe;
};

#endif // DEVICECHANGELOGIC_H
