#include "testsupport.h"

#include "devicechangelogic.h"
#include "devicewatcher.h"
#include "ttabwidget.h"
#include "zanthermal.h"

#include <QLabel>
#include <QStackedWidget>

Q_DECLARE_METATYPE(QVector<DeviceNotice>)
Q_DECLARE_METATYPE(QVector<DeviceEvent>)

namespace {

const QString diskClass = "{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
const QString cameraDisk = "\\\\?\\USBSTOR#Disk&Ven_VELK&Prod_Q4815&Rev_1.00#0123456789&0#" + diskClass;
const QString stick = "\\\\?\\USBSTOR#Disk&Ven_Kingston&Prod_DataTraveler_3.0&Rev_PMAP#60A44C3F&0#" + diskClass;
const QString cameraUsb = "\\\\?\\USB#VID_5656&PID_010C#5&1a2b3c4d&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const QString cameraUsbLower = "\\\\?\\usb#vid_5656&pid_010c#5&1a2b3c4d&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const QString cameraUsbLowerPid = "\\\\?\\USB#VID_5656&PID_010c#5&1a2b3c4d&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
const QString vendorOtherProduct = "\\\\?\\USB#VID_5656&PID_0825#5&1a2b3c4d&0&3#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
// A vendor path wins over the disk texts it also holds.
const QString vendorDisk = "\\\\?\\USB#VID_5656&PID_0825#USBSTOR&Prod_Q4815#" + diskClass;
const QString hid = "\\\\?\\HID#VID_046D&PID_C52B&MI_00#7&2b8f&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

const quint32 arrival = DeviceNotice::Arrival;
const quint32 removal = DeviceNotice::RemoveComplete;

DeviceNotice iface(quint32 event, const QString &path) { return DeviceNotice::deviceInterface(event, path); }
DeviceNotice volume(quint32 event, quint32 mask, quint16 flags = 0) { return DeviceNotice::volumeMask(event, mask, flags); }

QLabel *tabMark(ZanThermal &window, int index)
{
    return window.findChild<tTabwidget *>("ZanMenu")->findChild<QLabel *>(QString("label_%1").arg(index + 1));
}

} // namespace

class TestDeviceChange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<DeviceNotice>();
    }

    void driveLetter_data()
    {
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QString>("letter");
        QTest::newRow("A") << 0x1u << "A";
        QTest::newRow("F") << 0x20u << "F";
        QTest::newRow("lowest of several") << 0x30u << "E";
        QTest::newRow("Z") << 0x2000000u << "Z";
        QTest::newRow("none") << 0u << "[";
        QTest::newRow("above Z only") << 0xFC000000u << "[";
        QTest::newRow("all bits") << 0xFFFFFFFFu << "A";
    }

    void driveLetter()
    {
        QFETCH(quint32, mask);
        QFETCH(QString, letter);
        QCOMPARE(QString(DeviceChangeLogic::driveLetterFromMask(mask)), letter);
    }

    // Each row feeds a sequence of notices; "F:/" and "/media/cam/" are the
    // ready volumes.
    void transitions_data()
    {
        QTest::addColumn<QString>("pendingBefore");
        QTest::addColumn<QVector<DeviceNotice>>("notices");
        QTest::addColumn<QVector<DeviceEvent>>("events");
        QTest::addColumn<QString>("pendingAfter");
        using N = QVector<DeviceNotice>;
        using E = QVector<DeviceEvent>;

        QTest::newRow("camera disk remembered") << "" << N{iface(arrival, cameraDisk)} << E{} << "Q4815";
        QTest::newRow("camera disk removal remembered too") << "" << N{iface(removal, cameraDisk)} << E{} << "Q4815";
        QTest::newRow("other disk forgets") << "Q4815" << N{iface(arrival, stick)} << E{} << "";
        QTest::newRow("non-disk path changes nothing") << "Q4815" << N{iface(arrival, hid)} << E{} << "Q4815";
        QTest::newRow("video arrival") << "" << N{iface(arrival, cameraUsb)} << E{{2, "Q4815"}} << "Q4815";
        QTest::newRow("video removal") << "" << N{iface(removal, cameraUsb)} << E{{4, "Q4815"}} << "Q4815";
        QTest::newRow("vendor without product") << "" << N{iface(arrival, vendorOtherProduct)} << E{} << "";
        QTest::newRow("vendor path holding disk texts") << "" << N{iface(arrival, vendorDisk)} << E{} << "";
        QTest::newRow("lower-case ids") << "" << N{iface(arrival, cameraUsbLower)} << E{} << "";
        QTest::newRow("lower-case product id") << "" << N{iface(arrival, cameraUsbLowerPid)} << E{} << "";
        QTest::newRow("disk then volume F") << "" << N{iface(arrival, cameraDisk), volume(arrival, 0x20)}
                                            << E{{1, "Q4815"}} << "";
        QTest::newRow("volume used up once") << "" << N{iface(arrival, cameraDisk), volume(arrival, 0x20), volume(arrival, 0x20)}
                                             << E{{1, "Q4815"}} << "";
        QTest::newRow("video device makes the next volume the camera's")
            << "" << N{iface(arrival, cameraUsb), volume(arrival, 0x20)} << E{{2, "Q4815"}, {1, "Q4815"}} << "";
        QTest::newRow("volume without announced disk") << "" << N{volume(arrival, 0x20)} << E{} << "";
        QTest::newRow("stick after camera disk") << "" << N{iface(arrival, cameraDisk), iface(arrival, stick), volume(arrival, 0x20)}
                                                 << E{} << "";
        QTest::newRow("media volume") << "Q4815" << N{volume(arrival, 0x20, DeviceNotice::Media)} << E{} << "Q4815";
        QTest::newRow("network volume") << "Q4815" << N{volume(arrival, 0x20, DeviceNotice::Net)} << E{} << "Q4815";
        QTest::newRow("mask 0 is no drive") << "Q4815" << N{volume(arrival, 0)} << E{} << "Q4815";
        QTest::newRow("volume not ready") << "Q4815" << N{volume(arrival, 0x10)} << E{} << "Q4815";
        QTest::newRow("lowest drive of the mask") << "Q4815" << N{volume(arrival, 0x60)} << E{{1, "Q4815"}} << "";
        QTest::newRow("mount point") << "Q4815" << N{DeviceNotice::volume(arrival, "/media/cam/")} << E{{1, "Q4815"}} << "";
        QTest::newRow("mount point not ready") << "Q4815" << N{DeviceNotice::volume(arrival, "/media/gone/")} << E{} << "Q4815";
        QTest::newRow("volume removal keeps the type") << "Q4815" << N{volume(removal, 0x20)} << E{{3, "Q4815"}} << "Q4815";
        QTest::newRow("removal of an unready drive") << "Q4815" << N{volume(removal, 0)} << E{{3, "Q4815"}} << "Q4815";
        QTest::newRow("volume removal, nothing remembered") << "" << N{volume(removal, 0x20)} << E{} << "";
        QTest::newRow("network volume removal") << "Q4815" << N{volume(removal, 0x20, DeviceNotice::Net)} << E{} << "Q4815";
        QTest::newRow("camera unplugged") << "" << N{iface(removal, cameraDisk), volume(removal, 0x20)} << E{{3, "Q4815"}} << "Q4815";
        QTest::newRow("stick unplugged") << "Q4815" << N{iface(removal, stick), volume(removal, 0x40)} << E{} << "";

        DeviceNotice nodesChanged = iface(DeviceNotice::NodesChanged, cameraUsb);
        QTest::newRow("nodes changed") << "" << N{nodesChanged} << E{} << "";
        DeviceNotice queryRemove = volume(0x8001, 0x20);
        QTest::newRow("query remove") << "Q4815" << N{queryRemove} << E{} << "Q4815";
        DeviceNotice port = iface(arrival, cameraUsb);
        port.recordType = 3;
        QTest::newRow("other record type") << "" << N{port} << E{} << "";
    }

    void transitions()
    {
        QFETCH(QString, pendingBefore);
        QFETCH(QVector<DeviceNotice>, notices);
        QFETCH(QVector<DeviceEvent>, events);
        QFETCH(QString, pendingAfter);

        const QStringList ready{"F:/", "/media/cam/"};
        DeviceChangeLogic logic([&](const QString &root) { return ready.contains(root); });
        QString pending = pendingBefore;
        QVector<DeviceEvent> seen;
        for (const DeviceNotice &notice : notices)
            seen += logic.process(notice, pending);
        QCOMPARE(seen.size(), events.size());
        for (int i = 0; i < seen.size(); ++i) {
            QCOMPARE(int(seen[i].code), int(events[i].code));
            QCOMPARE(seen[i].deviceType, events[i].deviceType);
        }
        QCOMPARE(pending, pendingAfter);
    }

    void pageReaction_data()
    {
        QTest::addColumn<int>("startPage");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("page");
        QTest::newRow("volume from live view") << 1 << 1 << 0;
        QTest::newRow("volume on archive") << 0 << 1 << 0;
        QTest::newRow("volume from settings") << 3 << 1 << 0;
        QTest::newRow("video from archive") << 0 << 2 << 1;
        QTest::newRow("video on live view") << 1 << 2 << 1;
        QTest::newRow("video from analysis") << 2 << 2 << 1;
        QTest::newRow("volume removed") << 1 << 3 << 1;
        QTest::newRow("video removed") << 0 << 4 << 0;
        QTest::newRow("video removed on settings") << 3 << 4 << 3;
        QTest::newRow("code 0") << 2 << 0 << 2;
        QTest::newRow("code 5") << 2 << 5 << 2;
        QTest::newRow("negative code") << 3 << -1 << 3;
    }

    void pageReaction()
    {
        QFETCH(int, startPage);
        QFETCH(int, code);
        QFETCH(int, page);
        ZanThermal window;
        window.show();
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        auto *bar = window.findChild<tTabwidget *>("ZanMenu");
        bar->selectTabwidget(startPage);
        QCOMPARE(stack->currentIndex(), startPage);

        emit window.USBStrongDiskSingnal(qint8(code), "Q4815");
        // Queued: nothing happens inside the emission.
        QCOMPARE(stack->currentIndex(), startPage);
        QCoreApplication::processEvents();
        QCOMPARE(stack->currentIndex(), page);
        if (page < 3) {
            for (int i = 0; i < 3; ++i)
                QCOMPARE(!tabMark(window, i)->isHidden(), i == page);
        }

        // The tab bar still drives the pages afterwards.
        QTest::mouseClick(bar->findChild<QPushButton *>("Setting"), Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), 3);
        QTest::mouseClick(bar->findChild<QPushButton *>("Archives"), Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), 0);
    }

    void twoEventsInOrder()
    {
        ZanThermal window;
        window.show();
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        emit window.USBStrongDiskSingnal(2, "Q4815");
        emit window.USBStrongDiskSingnal(1, "Q4815");
        QCoreApplication::processEvents();
        QCOMPARE(stack->currentIndex(), 0);
        QVERIFY(!tabMark(window, 0)->isHidden());
        QVERIFY(tabMark(window, 1)->isHidden());
    }

    // The window's watcher reports notices; the window decides and signals.
    void noticesReachTheWindow()
    {
        ZanThermal window;
        window.show();
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        auto *watcher = window.findChild<DeviceWatcher *>();
        QVERIFY(watcher);
        window.findChild<tTabwidget *>("ZanMenu")->selectTabwidget(2);
        QSignalSpy spy(&window, &ZanThermal::USBStrongDiskSingnal);

        emit watcher->notice(iface(arrival, cameraDisk));
        QCOMPARE(spy.count(), 0);
        // "/" is always a ready volume.
        emit watcher->notice(DeviceNotice::volume(arrival, "/"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<qint8>(), qint8(1));
        QCOMPARE(spy.at(0).at(1).toString(), QString("Q4815"));
        QCOMPARE(stack->currentIndex(), 2);
        QTRY_COMPARE(stack->currentIndex(), 0);

        emit watcher->notice(DeviceNotice::volume(arrival, "/"));
        emit watcher->notice(iface(arrival, cameraUsbLower));
        QCOMPARE(spy.count(), 1);

        emit watcher->notice(iface(arrival, cameraUsb));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<qint8>(), qint8(2));
        QTRY_COMPARE(stack->currentIndex(), 1);

        emit watcher->notice(iface(removal, cameraUsb));
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(2).at(0).value<qint8>(), qint8(4));
        QCoreApplication::processEvents();
        QCOMPARE(stack->currentIndex(), 1);
    }
};

VELK_TEST_MAIN(TestDeviceChange)
#include "tst_devicechange.moc"
