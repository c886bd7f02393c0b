#include "testsupport.h"

#include "waitingbox.h"

#include <QLabel>

namespace {
class KeyCountingWidget : public QWidget
{
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};
} // namespace

class TestWaitingBox : public QObject
{
    Q_OBJECT

private slots:
    void coversParentWithCentredPanel_data()
    {
        QTest::addColumn<QSize>("parentSize");
        QTest::addColumn<QPoint>("panelPos");
        QTest::newRow("main window") << QSize(1280, 800) << QPoint(520, 330);
        QTest::newRow("odd size truncates") << QSize(641, 481) << QPoint(200, 170);
        QTest::newRow("smaller than panel") << QSize(100, 100) << QPoint(-70, -20);
    }

    void coversParentWithCentredPanel()
    {
        QFETCH(QSize, parentSize);
        QFETCH(QPoint, panelPos);
        QWidget parent;
        parent.resize(parentSize);
        WaitingBox box(&parent);
        QCOMPARE(box.geometry(), QRect(QPoint(0, 0), parentSize));
        QWidget *panel = box.findChild<QWidget *>("widget");
        QVERIFY(panel);
        QCOMPARE(panel->pos(), panelPos);
        QCOMPARE(panel->size(), QSize(240, 140));
        auto *label = box.findChild<QLabel *>("label");
        QVERIFY(label);
        QCOMPARE(label->geometry(), QRect(79, 29, 81, 81));
        QVERIFY(label->pixmap() && !label->pixmap()->isNull());
        QCOMPARE(box.objectName(), QString("MessageBox"));
        QVERIFY(box.testAttribute(Qt::WA_DeleteOnClose));
    }

    void animationCycles()
    {
        QWidget parent;
        parent.resize(640, 480);
        WaitingBox box(&parent);
        QCOMPARE(int(box.currentFrame()), 1);
        QList<int> seen;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&]() {
            if (seen.isEmpty() || seen.last() != box.currentFrame())
                seen << box.currentFrame();
        });
        sampler.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(seen.size() >= 6, 5000);
        QCOMPARE(seen.mid(0, 6), QList<int>({1, 2, 3, 4, 1, 2}));
    }

    void delayZeroProcessesNothing()
    {
        QWidget parent;
        WaitingBox box(&parent);
        bool ran = false;
        QTimer::singleShot(0, [&]() { ran = true; });
        QVERIFY(box.delay(0));
        QVERIFY(!ran);
        QTRY_VERIFY(ran);
    }

    void delayKeepsEventLoopTurning()
    {
        QWidget parent;
        WaitingBox box(&parent);
        bool ran = false;
        QTimer::singleShot(20, [&]() { ran = true; });
        QElapsedTimer clock;
        clock.start();
        QVERIFY(box.delay(150));
        QVERIFY(ran);
        QVERIFY(clock.elapsed() >= 150);
    }

    void keysGoNowhere()
    {
        KeyCountingWidget parent;
        parent.resize(640, 480);
        auto *box = new WaitingBox(&parent);
        box->setFocusPolicy(Qt::StrongFocus);
        parent.show();
        box->show();
        QTest::keyClick(box, Qt::Key_Escape);
        QTest::keyClick(box, Qt::Key_A);
        QCOMPARE(parent.keys, 0);
    }
};

VELK_TEST_MAIN(TestWaitingBox)
#include "tst_waitingbox.moc"
