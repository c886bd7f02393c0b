#include "testsupport.h"

#include "devicechangelogic.h"
#include "sysfsfixture.h"
#include "ttabwidget.h"
#include "zanthermal.h"

#include <QStackedWidget>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include "devicewatcher_linux.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char *const baseMounts =
    "22 28 0:21 / /proc rw,relatime shared:12 - proc proc rw\n"
    "23 28 0:22 / /sys rw,relatime shared:7 - sysfs sysfs rw\n"
    "28 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n";

QByteArray mountLine(int id, const QByteArray &majorMinor, const QByteArray &escapedMountPoint,
                     const QByteArray &root = "/")
{
    return QByteArray::number(id) + " 28 " + majorMinor + " " + root + " " + escapedMountPoint
           + " rw,nosuid,nodev,relatime shared:300 - vfat /dev/sdb1 rw,fmask=0022\n";
}

// A fixture system: the camera's disk (8:17), a USB stick (8:33), an
// internal SATA disk (8:49), the camera's USB video device.
struct Fixture
{
    QTemporaryDir tmp;
    SysfsFixture sys{tmp.path() + "/sys"};
    QString mountInfo = tmp.path() + "/mountinfo";
    QString cameraUsb;

    Fixture()
    {
        cameraUsb = sys.addUsbDevice("1-2", "5656", "010c", "VELK0001");
        sys.addDisk(SysfsFixture::interfaceOf(cameraUsb), "sdb", "VELK", "Q4815", "8:16", "8:17");
        const QString stick = sys.addUsbDevice("1-3", "0951", "1666", "60A44C3F");
        sys.addDisk(SysfsFixture::interfaceOf(stick), "sdc", "Kingston", "DataTraveler 3.0", "8:32", "8:33");
        sys.addDisk(sys.path("devices/pci0000:00/0000:00:17.0/ata1"), "sdd", "ATA", "Q4815 SSD", "8:48", "8:49");
        setMounts("");
    }

    void setMounts(const QByteArray &extra) { QVERIFY(SysfsFixture::write(mountInfo, baseMounts + extra)); }
};

// Runs the notices through the decisions with every volume ready.
QVector<DeviceEvent> decide(const QList<QList<QVariant>> &spied, QString &pending)
{
    DeviceChangeLogic logic([](const QString &) { return true; });
    QVector<DeviceEvent> events;
    for (const QList<QVariant> &args : spied)
        events += logic.process(args.at(0).value<DeviceNotice>(), pending);
    return events;
}

} // namespace
#endif

class TestDeviceWatcherLinux : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
#ifndef Q_OS_LINUX
        QSKIP("Linux backend");
#endif
        qRegisterMetaType<DeviceNotice>();
    }

#ifdef Q_OS_LINUX
    void mountInfoParsing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<QString>("majorMinor");
        QTest::newRow("plain") << mountLine(40, "8:17", "/media/cam") << 1 << "/media/cam" << "8:17";
        QTest::newRow("space") << mountLine(40, "8:17", "/media/user/CAM\\040DISK") << 1 << "/media/user/CAM DISK" << "8:17";
        QTest::newRow("tab newline backslash") << mountLine(40, "8:17", "/m/a\\011b\\012c\\134d") << 1 << "/m/a\tb\nc\\d" << "8:17";
        QTest::newRow("utf-8 name") << mountLine(40, "8:17", "/media/\xe7\x9b\xb8\xe6\x9c\xba") << 1
                                    << QString::fromUtf8("/media/\xe7\x9b\xb8\xe6\x9c\xba") << "8:17";
        QTest::newRow("not an escape") << mountLine(40, "8:17", "/m/a\\9xy") << 1 << "/m/a\\9xy" << "8:17";
        QTest::newRow("escape cut short") << mountLine(40, "8:17", "/m/a\\04") << 1 << "/m/a\\04" << "8:17";
        QTest::newRow("no optional fields") << QByteArray("41 28 8:17 / /mnt/x rw - vfat /dev/sdb1 rw\n") << 1 << "/mnt/x" << "8:17";
        QTest::newRow("too few fields") << QByteArray("41 28 8:17 /\n") << 0 << "" << "";
        QTest::newRow("bad id") << QByteArray("x 28 8:17 / /mnt/x rw - vfat /dev/sdb1 rw\n") << 0 << "" << "";
        QTest::newRow("bad device") << QByteArray("41 28 8:1/../x / /mnt/x rw - vfat /dev/sdb1 rw\n") << 0 << "" << "";
        QTest::newRow("empty") << QByteArray() << 0 << "" << "";
        QTest::newRow("no final newline") << QByteArray("41 28 0:50 / /mnt/y rw - tmpfs none rw") << 1 << "/mnt/y" << "0:50";
    }

    void mountInfoParsing()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, count);
        QFETCH(QString, mountPoint);
        QFETCH(QString, majorMinor);
        const auto entries = DeviceWatcherLinux::parseMountInfo(line);
        QCOMPARE(entries.size(), count);
        if (count) {
            QCOMPARE(entries[0].mountPoint, mountPoint);
            QCOMPARE(entries[0].majorMinor, majorMinor);
        }
    }

    // A new mount of each kind of device, then its removal.
    void mountArrivalAndRemoval_data()
    {
        QTest::addColumn<QByteArray>("majorMinor");
        QTest::addColumn<QByteArray>("root");
        QTest::addColumn<int>("notices");
        QTest::addColumn<int>("arrivalCode");
        QTest::newRow("camera disk") << QByteArray("8:17") << QByteArray("/") << 2 << 1;
        QTest::newRow("camera disk, no partition") << QByteArray("8:16") << QByteArray("/") << 2 << 1;
        QTest::newRow("usb stick") << QByteArray("8:33") << QByteArray("/") << 2 << 0;
        QTest::newRow("disk without USB parent") << QByteArray("8:49") << QByteArray("/") << 0 << 0;
        QTest::newRow("no block device (tmpfs)") << QByteArray("0:41") << QByteArray("/") << 0 << 0;
        QTest::newRow("folder of the camera disk bound elsewhere") << QByteArray("8:17") << QByteArray("/DCIM") << 0 << 0;
    }

    void mountArrivalAndRemoval()
    {
        QFETCH(QByteArray, majorMinor);
        QFETCH(QByteArray, root);
        QFETCH(int, notices);
        QFETCH(int, arrivalCode);
        Fixture f;
        DeviceWatcherLinux watcher(nullptr, f.sys.root, f.mountInfo);
        int pair[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_DGRAM, 0, pair), 0);
        watcher.setUeventSocket(pair[0]);
        watcher.start();
        QSignalSpy spy(&watcher, &DeviceWatcher::notice);

        f.setMounts(mountLine(300, majorMinor, "/media/user/CAM\\040DISK", root));
        watcher.rescanMounts();
        QCOMPARE(spy.count(), notices);
        if (notices) {
            const auto disk = spy.at(0).at(0).value<DeviceNotice>();
            QCOMPARE(disk.recordType, quint32(DeviceNotice::DeviceInterface));
            QCOMPARE(disk.event, quint32(DeviceNotice::Arrival));
            QVERIFY(disk.interfacePath.contains("USBSTOR"));
            QVERIFY(!disk.interfacePath.contains("USB#VID_5656"));
            const auto vol = spy.at(1).at(0).value<DeviceNotice>();
            QCOMPARE(vol.recordType, quint32(DeviceNotice::Volume));
            QCOMPARE(vol.rootPath, QString("/media/user/CAM DISK/"));
            QCOMPARE(vol.flags, quint16(0));
        }
        QString pending;
        QVector<DeviceEvent> events = decide(spy, pending);
        QCOMPARE(events.size(), arrivalCode ? 1 : 0);
        if (arrivalCode)
            QCOMPARE(int(events[0].code), arrivalCode);

        // Nothing new: nothing said.
        spy.clear();
        watcher.rescanMounts();
        QCOMPARE(spy.count(), 0);

        f.setMounts("");
        watcher.rescanMounts();
        QCOMPARE(spy.count(), notices);
        events = decide(spy, pending);
        QCOMPARE(events.size(), arrivalCode ? 1 : 0);
        if (arrivalCode) {
            QCOMPARE(int(events[0].code), 3);
            QCOMPARE(events[0].deviceType, QString("Q4815"));
            QCOMPARE(spy.at(1).at(0).value<DeviceNotice>().rootPath, QString("/media/user/CAM DISK/"));
        }
        ::close(pair[1]);
    }

    void cameraModelWithOtherText()
    {
        Fixture f;
        const QString usb = f.sys.addUsbDevice("1-4", "5656", "0200");
        f.sys.addDisk(SysfsFixture::interfaceOf(usb), "sde", "VELK", "Thermal Q4815", "8:64", "8:65");
        DeviceWatcherLinux watcher(nullptr, f.sys.root, f.mountInfo);
        QVERIFY(watcher.diskInterfacePath("8:65").contains("Prod_Q4815"));
        // Separators in a model never make up a vendor path.
        const QString usb2 = f.sys.addUsbDevice("1-5", "1234", "0001");
        f.sys.addDisk(SysfsFixture::interfaceOf(usb2), "sdf", "X", "USB#VID_5656&{x", "8:80", "8:81");
        const QString odd = watcher.diskInterfacePath("8:81");
        QVERIFY(odd.contains("USBSTOR"));
        QVERIFY(!odd.contains("USB#VID_5656"));
        QVERIFY(!odd.contains("Prod_Q4815"));
        QVERIFY(watcher.diskInterfacePath("8:1/../../x").isEmpty());
    }

    // A partition known only by lying below its disk, as a plain tree may
    // have it: the disk's model still decides.
    void partitionWithoutMark()
    {
        Fixture f;
        const QString usb = f.sys.addUsbDevice("1-6", "5656", "0200");
        const QString partition = f.sys.addDisk(SysfsFixture::interfaceOf(usb), "sdg", "VELK", "Q4815",
                                                "8:96", "8:97");
        QVERIFY(QFile::remove(partition + "/partition"));
        DeviceWatcherLinux watcher(nullptr, f.sys.root, f.mountInfo);
        QVERIFY(watcher.diskInterfacePath("8:97").contains("USBSTOR#Disk&Ven_VELK&Prod_Q4815&"));
        QVERIFY(watcher.diskInterfacePath("8:96").contains("&Prod_Q4815&"));
    }

    void mountsPresentAtStart()
    {
        Fixture f;
        f.setMounts(mountLine(300, "8:17", "/media/cam"));
        DeviceWatcherLinux watcher(nullptr, f.sys.root, f.mountInfo);
        watcher.start();
        QSignalSpy spy(&watcher, &DeviceWatcher::notice);
        watcher.rescan();
        QCOMPARE(spy.count(), 0);
        // Unplugged first, unmounted after: what was learnt at start counts.
        QVERIFY(QDir(f.sys.path("devices/pci0000:00/0000:00:14.0/usb1/1-2")).removeRecursively());
        f.setMounts("");
        watcher.rescanMounts();
        QCOMPARE(spy.count(), 2);
        QString pending;
        const auto events = decide(spy, pending);
        QCOMPARE(events.size(), 1);
        QCOMPARE(int(events[0].code), 3);
    }

    void mountGoneBeforeLookedAt()
    {
        Fixture f;
        DeviceWatcherLinux watcher(nullptr, f.sys.root, f.mountInfo);
        watcher.start();
        QSignalSpy spy(&watcher, &DeviceWatcher::notice);
        // The device left sysfs before its mount was seen.
        QFile::remove(f.sys.path("dev/block/8:17"));
        f.setMounts(mountLine(300, "8:17", "/media/cam"));
        watcher.rescanMounts();
        f.setMounts("");
        watcher.rescanMounts();
        QCOMPARE(spy.count(), 0);
    }

    void mountIdReused()
    {
        Fixture f;
        f.setMounts(mountLine(300, "8:17", "/media/a"));
        DeviceWatcherLinux watcher(nullptr, f.sys.root, f.mountInfo);
        watcher.start();
        QSignalSpy spy(&watcher, &DeviceWatcher::notice);
        f.setMounts(mountLine(300, "8:17", "/media/b"));
        watcher.rescanMounts();
        QCOMPARE(spy.count(), 4);
        QCOMPARE(spy.at(1).at(0).value<DeviceNotice>().rootPath, QString("/media/a/"));
        QCOMPARE(spy.at(1).at(0).value<DeviceNotice>().event, quint32(DeviceNotice::RemoveComplete));
        QCOMPARE(spy.at(3).at(0).value<DeviceNotice>().rootPath, QString("/media/b/"));
        QCOMPARE(spy.at(3).at(0).value<DeviceNotice>().event, quint32(DeviceNotice::Arrival));
    }

    void noSysfsNoMountInfo()
    {
        QTemporaryDir tmp;
        DeviceWatcherLinux watcher(nullptr, tmp.path() + "/nosys", tmp.path() + "/nomountinfo");
        watcher.start();
        QSignalSpy spy(&watcher, &DeviceWatcher::notice);
        SysfsFixture::write(tmp.path() + "/nomountinfo", mountLine(300, "8:17", "/media/cam"));
        watcher.rescan();
        QCOMPARE(spy.count(), 0);
    }

    void ueventFilter_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("relevant");
        QTest::newRow("video add") << QByteArray("add@/devices/x/video4linux/video0\0ACTION=add\0SUBSYSTEM=video4linux\0", 66) << true;
        QTest::newRow("usb remove") << QByteArray("remove@/devices/x/1-2\0ACTION=remove\0SUBSYSTEM=usb\0", 50) << true;
        QTest::newRow("block") << QByteArray("add@/devices/x/block/sdb\0ACTION=add\0SUBSYSTEM=block\0", 52) << false;
        QTest::newRow("udevd message") << QByteArray("libudev\0\xfe\xed\xca\xfe SUBSYSTEM=video4linux", 38) << false;
        QTest::newRow("subsystem only as a prefix") << QByteArray("add@/x\0SUBSYSTEM=video4linuxx\0", 30) << false;
        QTest::newRow("garbage") << QByteArray("\xff\xfe\0\0", 4) << false;
    }

    void ueventFilter()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, relevant);
        QCOMPARE(DeviceWatcherLinux::ueventConcernsVideo(datagram), relevant);
    }

    // Nodes come and go; each uevent makes the watcher look at sysfs.
    void videoDeviceFromUevents()
    {
        Fixture f;
        DeviceWatcherLinux watcher(nullptr, f.sys.root, f.mountInfo);
        int pair[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_DGRAM, 0, pair), 0);
        watcher.setUeventSocket(pair[0]);
        watcher.start();
        QSignalSpy spy(&watcher, &DeviceWatcher::notice);
        auto send = [&](const QByteArray &action, const QByteArray &subsystem) {
            const QByteArray msg = action + "@/devices/pci0000:00/0000:00:14.0/usb1/1-2\0ACTION=" + action
                                   + QByteArray("\0SUBSYSTEM=", 11) + subsystem + QByteArray("\0", 1);
            QCOMPARE(::send(pair[1], msg.constData(), size_t(msg.size()), 0), ssize_t(msg.size()));
        };

        // A metadata node and a foreign camera are no news.
        f.sys.addVideoNode(SysfsFixture::interfaceOf(f.cameraUsb), "video1", 1);
        const QString webcam = f.sys.addUsbDevice("1-6", "046d", "0825");
        f.sys.addVideoNode(SysfsFixture::interfaceOf(webcam), "video2");
        // The camera's capture node; a burst of events gives one notice.
        f.sys.addVideoNode(SysfsFixture::interfaceOf(f.cameraUsb), "video0", 0);
        send("add", "usb");
        send("add", "video4linux");
        send("add", "video4linux");
        QVERIFY(spy.wait(5000));
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        const auto added = spy.at(0).at(0).value<DeviceNotice>();
        QCOMPARE(added.event, quint32(DeviceNotice::Arrival));
        QCOMPARE(added.recordType, quint32(DeviceNotice::DeviceInterface));
        QVERIFY2(added.interfacePath.startsWith("\\\\?\\USB#VID_5656&PID_010C#VELK0001#"), qPrintable(added.interfacePath));
        QString pending;
        auto events = decide(spy, pending);
        QCOMPARE(events.size(), 1);
        QCOMPARE(int(events[0].code), 2);

        // Removing the metadata node alone leaves the camera there.
        f.sys.removeVideoNode("video1");
        send("remove", "video4linux");
        f.sys.removeVideoNode("video0");
        send("remove", "video4linux");
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.count(), 2);
        spy.removeFirst();
        events = decide(spy, pending);
        QCOMPARE(events.size(), 1);
        QCOMPARE(int(events[0].code), 4);
        ::close(pair[1]);
    }

    // Live page reaction through the window's own watcher.
    void videoDeviceSwitchesToLiveView()
    {
        Fixture f;
        ZanThermal window;
        window.show();
        auto *watcher = window.findChild<DeviceWatcherLinux *>();
        QVERIFY(watcher);
        watcher->setSysfsRoot(f.sys.root);
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        QSignalSpy spy(&window, &ZanThermal::USBStrongDiskSingnal);

        f.sys.addVideoNode(SysfsFixture::interfaceOf(f.cameraUsb), "video0");
        watcher->rescan();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<qint8>(), qint8(2));
        QTRY_COMPARE(stack->currentIndex(), 1);

        window.findChild<tTabwidget *>("ZanMenu")->selectTabwidget(3);
        f.sys.removeVideoNode("video0");
        watcher->rescan();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<qint8>(), qint8(4));
        QCoreApplication::processEvents();
        QCOMPARE(stack->currentIndex(), 3);
    }

    // Real mounts in a private mount namespace, seen through POLLPRI on
    // /proc/self/mountinfo by the running window.
    void realMountsEndToEnd()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to mount in a private mount namespace");
        if (::unshare(CLONE_NEWNS) != 0)
            QSKIP(qPrintable(QString("cannot enter a private mount namespace: %1").arg(qt_error_string(errno))));
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            QSKIP("cannot make the mount namespace private");

        Fixture f;
        ZanThermal window;
        window.show();
        auto *watcher = window.findChild<DeviceWatcherLinux *>();
        QVERIFY(watcher);
        QCOMPARE(watcher->mountInfoPath(), QString("/proc/self/mountinfo"));
        watcher->setSysfsRoot(f.sys.root);
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        window.findChild<tTabwidget *>("ZanMenu")->selectTabwidget(1);
        QSignalSpy events(&window, &ZanThermal::USBStrongDiskSingnal);
        QSignalSpy notices(watcher, &DeviceWatcher::notice);

        // Mounts a tmpfs and makes the fixture say which disk it is; the
        // link goes with the unmount, as the kernel reuses the numbers.
        QStringList links;
        auto unmount = [&](const QString &dir) -> bool {
            const bool ok = ::umount(QFile::encodeName(dir).constData()) == 0;
            for (const QString &link : links)
                QFile::remove(link);
            links.clear();
            return ok;
        };
        auto mountAs = [&](const QString &dir, const QString &partition) -> bool {
            QDir().mkpath(dir);
            if (::mount("velktest", QFile::encodeName(dir).constData(), "tmpfs", 0, "size=1m") != 0)
                return false;
            QFile info("/proc/self/mountinfo");
            if (!info.open(QIODevice::ReadOnly))
                return false;
            for (const auto &entry : DeviceWatcherLinux::parseMountInfo(info.readAll())) {
                if (entry.mountPoint == dir) {
                    f.sys.linkBlock(entry.majorMinor, f.sys.path(partition));
                    links << f.sys.path("dev/block/" + entry.majorMinor);
                    return true;
                }
            }
            return false;
        };
        const QString cameraPartition = "devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/host6/target6:0:0/6:0:0:sdb/block/sdb/sdb1";
        const QString stickPartition = "devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/host6/target6:0:0/6:0:0:sdc/block/sdc/sdc1";
        QVERIFY(QFileInfo(f.sys.path(cameraPartition)).isDir());

        const QString camera = f.tmp.path() + "/cam disk";
        QVERIFY(mountAs(camera, cameraPartition));
        QVERIFY(SysfsFixture::write(camera + "/DCIM/sys.ini", "[Q4815]\nversion=1\n"));
        QVERIFY(QFile::copy(":/images/im_tpqs.png", camera + "/DCIM/IR_0001.jpg"));

        QVERIFY(events.wait(5000));
        QCOMPARE(events.count(), 1);
        QCOMPARE(events.at(0).at(0).value<qint8>(), qint8(1));
        QCOMPARE(events.at(0).at(1).toString(), QString("Q4815"));
        QCOMPARE(notices.at(1).at(0).value<DeviceNotice>().rootPath, camera + "/");
        // The archive page is shown, without a click.
        QTRY_COMPARE(stack->currentIndex(), 0);

        QVERIFY(unmount(camera));
        QVERIFY(events.wait(5000));
        QCOMPARE(events.count(), 2);
        QCOMPARE(events.at(1).at(0).value<qint8>(), qint8(3));
        QCOMPARE(events.at(1).at(1).toString(), QString("Q4815"));

        // A foreign USB disk: the watcher sees it, the window says nothing.
        notices.clear();
        const QString stick = f.tmp.path() + "/stick";
        QVERIFY(mountAs(stick, stickPartition));
        QTRY_COMPARE(notices.count(), 2);
        QVERIFY(unmount(stick));
        QTRY_COMPARE(notices.count(), 4);
        QCoreApplication::processEvents();
        QCOMPARE(events.count(), 2);

        // A mount that is no USB disk at all is not even a notice.
        const QString plain = f.tmp.path() + "/plain";
        QDir().mkpath(plain);
        QCOMPARE(::mount("velktest", QFile::encodeName(plain).constData(), "tmpfs", 0, "size=1m"), 0);
        watcher->rescanMounts();
        QCOMPARE(::umount(QFile::encodeName(plain).constData()), 0);
        watcher->rescanMounts();
        QCOMPARE(notices.count(), 4);
    }
#endif
};

VELK_TEST_MAIN(TestDeviceWatcherLinux)
#include "tst_devicewatcherlinux.moc"
