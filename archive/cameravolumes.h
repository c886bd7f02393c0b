#ifndef CAMERAVOLUMES_H
#define CAMERAVOLUMES_H

#include <QByteArray>
#include <QString>
#include <QStringList>

class QStorageInfo;

// The mounted volumes that may be a camera, in the order the system lists
// them. A camera presents itself as a plain removable disk, so file systems
// that only the system itself mounts are passed over before any of their
// files is looked at.
class CameraVolumes
{
public:
    // Root paths, each ending in "/", of the valid and ready volumes that
    // are not system or network file systems.
    static QStringList candidateRoots();

    // The volume's root with a trailing "/" (the system gives none except
    // for "/" itself), so root + "DCIM/sys.ini" names the camera's file.
    static QString normalisedRoot(const QStorageInfo &volume);
    static QString normalisedRoot(const QString &rootPath);

    // True for kernel, container and network file systems: a camera is
    // never one of them, and looking into some of them can block.
    static bool isSystemFileSystem(const QByteArray &type);
};

#endif // CAMERAVOLUMES_H
