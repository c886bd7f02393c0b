#ifndef SYSFSFIXTURE_H
#define SYSFSFIXTURE_H

// A small stand-in for /sys: USB devices, their video4linux nodes and SCSI
// disks, linked the way the kernel links them (relative symlinks, so a path
// cleaned as text instead of resolved goes wrong).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

class SysfsFixture
{
public:
    explicit SysfsFixture(const QString &root)
        : root(root)
    {
        QDir().mkpath(root + "/devices");
        QDir().mkpath(root + "/class/video4linux");
        QDir().mkpath(root + "/dev/block");
    }

    QString path(const QString &relative) const { return root + "/" + relative; }

    static bool write(const QString &file, const QByteArray &text)
    {
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
    }

    static bool link(const QString &target, const QString &linkPath)
    {
        QDir().mkpath(QFileInfo(linkPath).path());
        QFile::remove(linkPath);
        const QString relative = QDir(QFileInfo(linkPath).path()).relativeFilePath(target);
        return QFile::link(relative, linkPath);
    }

    // A USB device on the root hub's port; returns its directory.
    QString addUsbDevice(const QString &port, const QByteArray &vendor, const QByteArray &product,
                         const QByteArray &serial = QByteArray())
    {
        const QString dir = path("devices/pci0000:00/0000:00:14.0/usb1/" + port);
        write(dir + "/idVendor", vendor + "\n");
        write(dir + "/idProduct", product + "\n");
        if (!serial.isEmpty())
            write(dir + "/serial", serial + "\n");
        return dir;
    }

    // The first interface of a USB device ("1-2" -> "1-2/1-2:1.0").
    static QString interfaceOf(const QString &usbDir)
    {
        return usbDir + "/" + QFileInfo(usbDir).fileName() + ":1.0";
    }

    // A video4linux node of the device at parentDir (a USB interface, or
    // any other device directory).
    void addVideoNode(const QString &parentDir, const QString &node, int index = 0)
    {
        const QString dir = parentDir + "/video4linux/" + node;
        write(dir + "/index", QByteArray::number(index) + "\n");
        write(dir + "/name", "Fixture camera\n");
        link(parentDir, dir + "/device");
        link(dir, path("class/video4linux/" + node));
    }

    void removeVideoNode(const QString &node)
    {
        const QString dir = QFileInfo(path("class/video4linux/" + node)).canonicalFilePath();
        QFile::remove(path("class/video4linux/" + node));
        if (!dir.isEmpty())
            QDir(dir).removeRecursively();
    }

    // A SCSI disk with one partition behind a USB device (or any parent
    // directory); dev/block/<partitionMajorMinor> leads to the partition.
    QString addDisk(const QString &parentDir, const QString &disk, const QByteArray &vendor,
                    const QByteArray &model, const QString &diskMajorMinor,
                    const QString &partitionMajorMinor)
    {
        const QString scsi = parentDir + "/host6/target6:0:0/6:0:0:" + disk;
        write(scsi + "/vendor", vendor.leftJustified(8, ' ') + "\n");
        write(scsi + "/model", model.leftJustified(16, ' ') + "\n");
        write(scsi + "/rev", "1.00\n");
        const QString block = scsi + "/block/" + disk;
        write(block + "/dev", diskMajorMinor.toLatin1() + "\n");
        link(scsi, block + "/device");
        const QString partition = block + "/" + disk + "1";
        write(partition + "/partition", "1\n");
        write(partition + "/dev", partitionMajorMinor.toLatin1() + "\n");
        link(block, path("dev/block/" + diskMajorMinor));
        link(partition, path("dev/block/" + partitionMajorMinor));
        return partition;
    }

    void linkBlock(const QString &majorMinor, const QString &target)
    {
        link(target, path("dev/block/" + majorMinor));
    }

    const QString root;
};

#endif // SYSFSFIXTURE_H
