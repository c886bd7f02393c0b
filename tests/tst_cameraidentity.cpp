#include "testsupport.h"

#include "cameraidentity.h"
#include "sysfsfixture.h"

#include <QTemporaryDir>

class TestCameraIdentity : public QObject
{
    Q_OBJECT

private slots:
    void deviceNameRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("camera");
        const QString capture = "{65e8773d-8f56-11d0-a3b9-00a0c9223196}";
        QTest::newRow("camera") << "\\\\?\\usb#vid_5656&pid_010c&mi_00#6&2f1b3c4&0&0000#" + capture + "\\global" << true;
        QTest::newRow("hash separators") << "\\\\?\\usb#vid_5656#pid_010c#x" + capture << true;
        QTest::newRow("product ends the prefix") << "usb#vid_5656&pid_010c#" + capture << true;
        QTest::newRow("upper-case product") << "\\\\?\\usb#vid_5656&pid_010C&mi_00#6&2f1b3c4&0&0000#" + capture << false;
        QTest::newRow("no capture class") << "\\\\?\\usb#vid_5656&pid_010c&mi_00#6&2f1b3c4&0&0000#{e5323777-f976-4f5b-9b55-b94699c46e44}" << false;
        QTest::newRow("ids only after the brace") << capture + "usb#vid_5656&pid_010c&" << false;
        QTest::newRow("empty prefix") << "{65e8773d-8f56-11d0-a3b9-00a0c9223196}5656&010c&" << false;
        QTest::newRow("other vendor") << "\\\\?\\usb#vid_046d&pid_010c&mi_00#" + capture << false;
        QTest::newRow("other product") << "\\\\?\\usb#vid_5656&pid_0825&mi_00#" + capture << false;
        QTest::newRow("no separator after ids") << "\\\\?\\usb#vid_5656pid_010c" + capture << false;
        QTest::newRow("linux node") << "/dev/video0" << false;
        QTest::newRow("empty") << "" << false;
    }

    void deviceNameRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, camera);
        QCOMPARE(CameraIdentity::matchesDeviceName(name), camera);
    }

    void sysfsNodes_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("camera");
        QTest::addColumn<bool>("hasUsbParent");
        QTest::newRow("camera") << "video0" << true << true;
        QTest::newRow("camera by device path") << "/dev/video0" << true << true;
        QTest::newRow("camera metadata node") << "video1" << false << true;
        QTest::newRow("other vendor") << "video2" << false << true;
        QTest::newRow("same vendor, other product") << "video3" << false << true;
        QTest::newRow("no USB parent") << "video4" << false << false;
        QTest::newRow("upper-case ids in sysfs") << "video5" << true << true;
        QTest::newRow("device tree outside devices/") << "video6" << true << true;
        QTest::newRow("missing node") << "video9" << false << false;
        QTest::newRow("walks out of the class") << "../../devices" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }

    void sysfsNodes()
    {
        QFETCH(QString, node);
        QFETCH(bool, camera);
        QFETCH(bool, hasUsbParent);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        SysfsFixture sys(tmp.path() + "/sys");
        const QString cam = sys.addUsbDevice("1-2", "5656", "010c");
        sys.addVideoNode(SysfsFixture::interfaceOf(cam), "video0", 0);
        sys.addVideoNode(SysfsFixture::interfaceOf(cam), "video1", 1);
        const QString other = sys.addUsbDevice("1-3", "046d", "0825");
        sys.addVideoNode(SysfsFixture::interfaceOf(other), "video2");
        const QString sameVendor = sys.addUsbDevice("1-4", "5656", "0825");
        sys.addVideoNode(SysfsFixture::interfaceOf(sameVendor), "video3");
        sys.addVideoNode(sys.path("devices/platform/vivid.0"), "video4");
        // A hub port deeper in the tree, ids written in upper case.
        const QString deep = sys.addUsbDevice("1-5/1-5.2", "5656", "010C");
        sys.addVideoNode(SysfsFixture::interfaceOf(deep), "video5");
        // A plain tree that keeps its USB devices elsewhere than devices/.
        const QString bare = sys.path("usb/1-6");
        SysfsFixture::write(bare + "/idVendor", "5656\n");
        SysfsFixture::write(bare + "/idProduct", "010c\n");
        sys.addVideoNode(SysfsFixture::interfaceOf(bare), "video6");

        QCOMPARE(CameraIdentity::isCameraNode(node, sys.root), camera);
        QCOMPARE(!CameraIdentity::usbDeviceOfNode(node, sys.root).isEmpty(), hasUsbParent);
    }

    void usbDeviceIsTheInterfaceParent()
    {
        // device -> the USB interface; its parent (after resolving the
        // links) holds the ids, not the class folder.
        QTemporaryDir tmp;
        SysfsFixture sys(tmp.path() + "/sys");
        const QString cam = sys.addUsbDevice("1-2", "5656", "010c");
        sys.addVideoNode(SysfsFixture::interfaceOf(cam), "video0");
        QCOMPARE(CameraIdentity::usbDeviceOfNode("video0", sys.root), QFileInfo(cam).canonicalFilePath());
        quint16 vendor = 0, product = 0;
        QVERIFY(CameraIdentity::readUsbIds(cam, &vendor, &product));
        QCOMPARE(vendor, quint16(0x5656));
        QCOMPARE(product, quint16(0x010c));
    }

    void walkStopsAtTheSysfsRoot()
    {
        // Ids lying above <root>/devices are not a USB parent.
        QTemporaryDir tmp;
        SysfsFixture sys(tmp.path() + "/sys");
        SysfsFixture::write(sys.root + "/idVendor", "5656\n");
        SysfsFixture::write(sys.root + "/idProduct", "010c\n");
        sys.addVideoNode(sys.path("devices/platform/uvc"), "video0");
        QVERIFY(CameraIdentity::usbDeviceOfNode("video0", sys.root).isEmpty());
        QVERIFY(!CameraIdentity::isCameraNode("video0", sys.root));
    }

    void noSysfs()
    {
        QTemporaryDir tmp;
        QVERIFY(!CameraIdentity::isCameraNode("video0", tmp.path() + "/nothing"));
        QVERIFY(!CameraIdentity::isCaptureNode("video0", tmp.path() + "/nothing"));
    }

    void garbledIds_data()
    {
        QTest::addColumn<QByteArray>("vendor");
        QTest::addColumn<QByteArray>("product");
        QTest::newRow("empty") << QByteArray() << QByteArray("010c");
        QTest::newRow("not hex") << QByteArray("56z6") << QByteArray("010c");
        QTest::newRow("too large") << QByteArray("15656") << QByteArray("010c");
    }

    void garbledIds()
    {
        QFETCH(QByteArray, vendor);
        QFETCH(QByteArray, product);
        QTemporaryDir tmp;
        SysfsFixture sys(tmp.path() + "/sys");
        const QString cam = sys.addUsbDevice("1-2", vendor, product);
        sys.addVideoNode(SysfsFixture::interfaceOf(cam), "video0");
        QVERIFY(!CameraIdentity::isCameraNode("video0", sys.root));
    }
};

VELK_TEST_MAIN(TestCameraIdentity)
#include "tst_cameraidentity.moc"
