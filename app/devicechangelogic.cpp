#include "devicechangelogic.h"

#include <QStorageInfo>

const QString DeviceChangeLogic::cameraType = QStringLiteral("Q4815");

DeviceNotice DeviceNotice::volume(quint32 event, const QString &rootPath, quint16 flags)
{
    DeviceNotice n;
    n.event = event;
    n.recordType = Volume;
    n.rootPath = rootPath;
    n.flags = flags;
    return n;
}

DeviceNotice DeviceNotice::volumeMask(quint32 event, quint32 unitMask, quint16 flags)
{
    DeviceNotice n;
    n.event = event;
    n.recordType = Volume;
    n.unitMask = unitMask;
    n.flags = flags;
    return n;
}

DeviceNotice DeviceNotice::deviceInterface(quint32 event, const QString &path)
{
    DeviceNotice n;
    n.event = event;
    n.recordType = DeviceInterface;
    n.interfacePath = path;
    return n;
}

DeviceChangeLogic::DeviceChangeLogic(VolumeProbe probe)
    : probe(std::move(probe))
{
}

QChar DeviceChangeLogic::driveLetterFromMask(quint32 unitMask)
{
    int bit = 0;
    while (bit < 26 && !(unitMask & (1u << bit)))
        ++bit;
    return QChar('A' + bit);
}

QString DeviceChangeLogic::rootPathOf(const DeviceNotice &notice)
{
    if (!notice.rootPath.isEmpty())
        return notice.rootPath;
    return QString(driveLetterFromMask(notice.unitMask)) + QStringLiteral(":/");
}

QVector<DeviceEvent> DeviceChangeLogic::process(const DeviceNotice &notice,
                                                QString &pendingDeviceType) const
{
    QVector<DeviceEvent> events;
    const bool arrival = notice.event == DeviceNotice::Arrival;
    if (!arrival && notice.event != DeviceNotice::RemoveComplete)
        return events;

    if (notice.recordType == DeviceNotice::Volume) {
        // Media (CD) and network volumes are never the camera.
        if (notice.flags != 0 || pendingDeviceType.isEmpty())
            return events;
        if (arrival) {
            // Only a volume that is really there and ready counts; the
            // remembered type is used up by it.
            if (probe && probe(rootPathOf(notice))) {
                events.append({1, pendingDeviceType});
                pendingDeviceType.clear();
            }
        } else {
            events.append({3, pendingDeviceType});
        }
        return events;
    }

    if (notice.recordType == DeviceNotice::DeviceInterface) {
        const QString &path = notice.interfacePath;
        if (!path.contains(QLatin1String("USB#VID_5656"))) {
            // Any USB disk announced decides what the next volume is.
            if (path.contains(QLatin1String("USBSTOR")))
                pendingDeviceType = path.contains(QLatin1String("Prod_Q4815")) ? cameraType : QString();
        } else if (path.contains(QLatin1String("PID_010C"))) {
            pendingDeviceType = cameraType;
            events.append({qint8(arrival ? 2 : 4), cameraType});
        }
    }
    return events;
}

#ifndef Q_OS_WIN
static QString withTrailingSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}
#endif

bool DeviceChangeLogic::mountedVolumeReady(const QString &rootPath)
{
#ifdef Q_OS_WIN
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        if (volume.rootPath() == rootPath)
            return true;
    }
    return false;
#else
    // QStorageInfo::mountedVolumes() would statvfs every mount; look at
    // this one only. A mount point whose mount has already gone resolves
    // to the file system below it and does not match.
    if (rootPath.isEmpty())
        return false;
    QStorageInfo volume(rootPath);
    return volume.isValid() && volume.isReady()
           && withTrailingSlash(volume.rootPath()) == withTrailingSlash(rootPath);
#endif
}
