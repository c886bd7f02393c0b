#include "testsupport.h"

#include "folderbutton.h"
#include "ondavi.h"
#include "videowidget.h"

#include <QButtonGroup>
#include <QCamera>
#include <QCameraInfo>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The page with a camera list of our choosing. The entries are empty
// camera descriptions: opening one opens the system's default camera,
// which on a machine without a camera fails.
class TestPage : public Ondavi
{
public:
    using Ondavi::cameraButtons;
    using Ondavi::connectCamera;
    using Ondavi::listedCameras;
    using Ondavi::listedRotateFlags;
    using Ondavi::openCamera;
    using Ondavi::picture;
    using Ondavi::rebuildCameraList;
    using Ondavi::resetCameras;

    int cameraCount = 0;
    mutable int lookups = 0;

    QPushButton *refreshButton() const { return findChild<QPushButton *>(QStringLiteral("Refresh")); }

    QStringList buttonTexts() const
    {
        QStringList texts;
        for (QAbstractButton *button : cameraButtons()->buttons())
            texts << button->text();
        return texts;
    }

    void refresh() { QMetaObject::invokeMethod(this, "on_Refresh_clicked"); }
    // What a click on the camera button with this id does.
    void choose(int id) { QMetaObject::invokeMethod(this, "buttonTabClickResponse", Q_ARG(int, id)); }

protected:
    QList<QCameraInfo> findCameras() const override
    {
        ++lookups;
        return QList<QCameraInfo>(QVector<QCameraInfo>(cameraCount).toList());
    }
};

// What a message box showed when it was answered.
struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int count = 0;
};

// Answers the next message box with OK and records it; then() runs just
// before the answer, while the box is still open.
void answerBox(BoxSeen *seen, std::function<void()> then = nullptr)
{
    TestSupport::answerNextModal([seen, then](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        ++seen->count;
        if (then)
            then();
        QVERIFY(box->button(QMessageBox::Ok));
        box->button(QMessageBox::Ok)->click();
    });
}


bool cameraPresent()
{
    return !QCameraInfo::availableCameras().isEmpty();
}

} // namespace

class TestOndavi : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void listsCameras_data();
    void listsCameras();
    void numberingRestartsAfterRebuild();
    void refreshLocksForASecond();
    void twoRefreshClicksRebuildOnce();
    void arrivalRefreshesLater();
    void otherNoticesDoNothing_data();
    void otherNoticesDoNothing();
    void removalResetsAtOnce();
    void noCameraKeepsPageUsable();
    void failedOpeningShowsErrorBox();
    void listShrinksWhileInformationBoxIsOpen();
    void removalWhileConnecting();
};

void TestOndavi::form()
{
    TestPage page;
    QCOMPARE(page.objectName(), QStringLiteral("Ondavi"));
    QCOMPARE(page.size(), QSize(1280, 727));
    QPushButton *refresh = page.refreshButton();
    QVERIFY(refresh);
    QVERIFY(refresh->autoRepeat());
    QVERIFY(!refresh->isCheckable());
    QVERIFY(refresh->text().isEmpty());
    QCOMPARE(refresh->iconSize(), QSize(32, 32));
    QVERIFY(!refresh->icon().isNull());
    auto *label = page.findChild<QLabel *>(QStringLiteral("label_8"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("VELK Thermal Camera"));

    // The picture sits in the right-hand layout; the list starts empty.
    auto *pictureLayout = page.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout_14"));
    QVERIFY(pictureLayout);
    QCOMPARE(pictureLayout->indexOf(page.picture()), 0);
    QVERIFY(page.cameraButtons()->buttons().isEmpty());
    QVERIFY(page.listedCameras().isEmpty());
    QCOMPARE(page.lookups, 0);
}

void TestOndavi::listsCameras_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
}

void TestOndavi::listsCameras()
{
    QFETCH(int, count);
    TestPage page;
    page.cameraCount = count;
    page.rebuildCameraList();

    QStringList expected;
    for (int i = 1; i <= count; ++i)
        expected << QStringLiteral("  Q4815_%1").arg(i);
    QCOMPARE(page.buttonTexts(), expected);
    QCOMPARE(page.listedCameras().size(), count);
    QCOMPARE(page.listedRotateFlags(), QList<bool>(QVector<bool>(count, false).toList()));

    auto *devLayout = page.findChild<QVBoxLayout *>(QStringLiteral("devLayout"));
    QVERIFY(devLayout);
    QCOMPARE(devLayout->count(), count);
    for (int id = 0; id < count; ++id) {
        auto *button = qobject_cast<FolderButton *>(page.cameraButtons()->button(id));
        QVERIFY(button);
        QCOMPARE(devLayout->itemAt(id)->widget(), button);
        QCOMPARE(button->folderName(), QStringLiteral("Q4815_%1").arg(id + 1));
        QCOMPARE(button->contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(button->minimumHeight(), 34);
        QCOMPARE(button->maximumHeight(), 50);
        QVERIFY(!button->autoRepeat());
        QCOMPARE(button->styleSheet(), QString::fromLatin1(Ondavi::cameraButtonStyle));
    }
}

void TestOndavi::numberingRestartsAfterRebuild()
{
    TestPage page;
    page.cameraCount = 2;
    page.refresh();
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1", "  Q4815_2"}));
    QPointer<QAbstractButton> old = page.cameraButtons()->button(1);

    page.cameraCount = 3;
    QTRY_VERIFY(page.refreshButton()->isEnabled());
    page.refresh();
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1", "  Q4815_2", "  Q4815_3"}));
    QCOMPARE(page.cameraButtons()->id(page.cameraButtons()->buttons().first()), 0);
    QCOMPARE(page.listedCameras().size(), 3);
    QTRY_VERIFY(old.isNull());

    // After a reset as well.
    page.cameraCount = 1;
    page.resetCameras();
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1"}));
    QCOMPARE(page.listedRotateFlags().size(), 1);
}

void TestOndavi::refreshLocksForASecond()
{
    TestPage page;
    page.refresh();
    QCOMPARE(page.lookups, 1);
    QVERIFY(!page.refreshButton()->isEnabled());

    // A refresh called while locked only shows the waiting box.
    page.refresh();
    QCOMPARE(page.lookups, 1);

    QTRY_VERIFY(page.refreshButton()->isEnabled());
    page.refresh();
    QCOMPARE(page.lookups, 2);
}

void TestOndavi::twoRefreshClicksRebuildOnce()
{
    TestPage page;
    page.cameraCount = 2;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    // The second click lands while the first one waits.
    QTimer::singleShot(100, page.refreshButton(), [&page]() { page.refreshButton()->click(); });
    page.refreshButton()->click();
    QCOMPARE(page.lookups, 1);
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1", "  Q4815_2"}));
    QTRY_VERIFY(page.refreshButton()->isEnabled());
}

void TestOndavi::arrivalRefreshesLater()
{
    TestPage page;
    page.cameraCount = 1;
    QElapsedTimer clock;
    clock.start();
    page.UVCInit_K41(2, QStringLiteral("Q4815"));
    QCOMPARE(page.lookups, 0);
    QTRY_COMPARE_WITH_TIMEOUT(page.lookups, 1, 5000);
    QVERIFY(clock.elapsed() >= 1500);
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1"}));

    // Two notices close together rebuild the list once.
    page.lookups = 0;
    QTRY_VERIFY(page.refreshButton()->isEnabled());
    page.UVCInit_K41(2, QString());
    QTest::qWait(100);
    page.UVCInit_K41(2, QString());
    QTRY_COMPARE_WITH_TIMEOUT(page.lookups, 1, 5000);
    QTest::qWait(1000);
    QCOMPARE(page.lookups, 1);
}

void TestOndavi::otherNoticesDoNothing_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("volume mounted") << 1;
    QTest::newRow("volume removed") << 3;
    QTest::newRow("unknown") << 0;
}

void TestOndavi::otherNoticesDoNothing()
{
    QFETCH(int, code);
    TestPage page;
    page.cameraCount = 1;
    page.rebuildCameraList();
    page.lookups = 0;
    page.UVCInit_K41(qint8(code), QStringLiteral("Q4815"));
    QTest::qWait(2000);
    QCOMPARE(page.lookups, 0);
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1"}));
    QVERIFY(page.refreshButton()->isEnabled());
}

void TestOndavi::removalResetsAtOnce()
{
    TestPage page;
    page.cameraCount = 2;
    page.rebuildCameraList();
    page.picture()->present(QVideoFrame(QImage(64, 48, QImage::Format_RGB32)));
    QVERIFY(!page.picture()->currentImage().isNull());

    page.cameraCount = 1;
    page.UVCInit_K41(4, QStringLiteral("Q4815"));
    QCOMPARE(page.lookups, 2);
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1"}));
    QCOMPARE(page.listedCameras().size(), 1);
    QVERIFY(page.picture()->currentImage().isNull());
    QVERIFY(!page.openCamera());
}

void TestOndavi::noCameraKeepsPageUsable()
{
    if (cameraPresent())
        QSKIP("a camera is attached to this machine");
    // The real list of the system, which has no camera.
    Ondavi page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *refresh = page.findChild<QPushButton *>(QStringLiteral("Refresh"));
    refresh->click();
    QVERIFY(page.findChildren<FolderButton *>().isEmpty());
    QTRY_VERIFY(refresh->isEnabled());
    page.UVCInit_K41(4, QString());
    QVERIFY(page.findChildren<FolderButton *>().isEmpty());
    refresh->click();
    QVERIFY(page.findChildren<FolderButton *>().isEmpty());
}

void TestOndavi::failedOpeningShowsErrorBox()
{
    if (cameraPresent())
        QSKIP("a camera is attached to this machine");
    TestPage page;
    page.cameraCount = 1;
    page.rebuildCameraList();
    page.picture()->setConnected(true);

    BoxSeen info;
    BoxSeen error;
    answerBox(&info, [&error]() { answerBox(&error); });
    page.cameraButtons()->button(0)->click();

    QCOMPARE(info.count, 1);
    QCOMPARE(info.icon, QMessageBox::Information);
    QCOMPARE(info.title, QStringLiteral("Camera Connection"));
    QCOMPARE(info.text, QStringLiteral("设备正在连接中，在此期间请勿拔掉设备!"));
    QCOMPARE(error.count, 1);
    QCOMPARE(error.icon, QMessageBox::Critical);
    QCOMPARE(error.title, QStringLiteral("Camera Connection"));
    QCOMPARE(error.text, QStringLiteral("连接错误"));
    // The failed camera stays until the next opening replaces it.
    QPointer<QCamera> failed = page.openCamera();
    QVERIFY(failed);

    answerBox(&info, [&error]() { answerBox(&error); });
    page.cameraButtons()->button(0)->click();
    QCOMPARE(error.count, 2);
    QVERIFY(failed.isNull());

    // The picture passes double-clicks to the page again.
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    EventCounter counter(QEvent::MouseButtonDblClick);
    page.installEventFilter(&counter);
    QTest::mouseDClick(page.picture(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(counter.count, 1);

    // A disabled button or an unknown id does nothing.
    page.cameraButtons()->button(0)->setEnabled(false);
    page.choose(0);
    page.choose(7);
    QCOMPARE(info.count, 2);
}

void TestOndavi::listShrinksWhileInformationBoxIsOpen()
{
    TestPage page;
    page.cameraCount = 2;
    page.rebuildCameraList();

    // The second camera goes away before the user closes the box.
    BoxSeen info;
    BoxSeen error;
    answerBox(&info, [&page, &error]() {
        page.cameraCount = 1;
        page.UVCInit_K41(4, QString());
        answerBox(&error);
    });
    page.choose(1);
    QCOMPARE(info.count, 1);
    QCOMPARE(error.count, 1);
    QCOMPARE(error.text, QStringLiteral("连接错误"));
    QCOMPARE(page.buttonTexts(), QStringList({"  Q4815_1"}));
    QVERIFY(!page.openCamera());
}

void TestOndavi::removalWhileConnecting()
{
    TestPage page;
    page.cameraCount = 1;
    page.rebuildCameraList();

    // The camera leaves while the page waits for it to start: the opening
    // counts as failed, nothing is left open.
    BoxSeen info;
    BoxSeen error;
    answerBox(&info, [&page, &error]() {
        QTimer::singleShot(900, &page, [&page]() { page.UVCInit_K41(4, QString()); });
        answerBox(&error);
    });
    page.choose(0);
    QCOMPARE(error.count, 1);
    QVERIFY(!page.openCamera());
}

VELK_TEST_MAIN(TestOndavi)
#include "tst_ondavi.moc"
