#include "cameravolumes.h"

#include <QSet>
#include <QStorageInfo>

QStringList CameraVolumes::candidateRoots()
{
    QStringList roots;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        if (isSystemFileSystem(volume.fileSystemType()))
            continue;
        roots.append(normalisedRoot(volume));
    }
    return roots;
}

QString CameraVolumes::normalisedRoot(const QStorageInfo &volume)
{
    return normalisedRoot(volume.rootPath());
}

QString CameraVolumes::normalisedRoot(const QString &rootPath)
{
    if (rootPath.isEmpty() || rootPath.endsWith(QLatin1Char('/')))
        return rootPath;
    return rootPath + QLatin1Char('/');
}

bool CameraVolumes::isSystemFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> systemTypes = {
        "proc", "sysfs", "cgroup", "cgroup2", "cpuset", "devtmpfs", "devpts", "debugfs",
        "tracefs", "securityfs", "pstore", "bpf", "mqueue", "hugetlbfs", "configfs",
        "fusectl", "binfmt_misc", "autofs", "efivarfs", "selinuxfs", "rpc_pipefs",
        "nsfs", "overlay", "squashfs", "aufs", "nfs", "nfs4", "cifs", "smb3", "smbfs",
        "9p", "fuse.sshfs", "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs"};
    return systemTypes.contains(type);
}
