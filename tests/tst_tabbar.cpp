#include "testsupport.h"

#include "ttabwidget.h"

#include <QLabel>
#include <QPushButton>

class TestTabBar : public QObject
{
    Q_OBJECT

private:
    static QString marks(tTabwidget &bar)
    {
        QString result;
        for (const char *name : {"label_1", "label_2", "label_3"})
            result += bar.findChild<QLabel *>(name)->isVisibleTo(&bar) ? '1' : '0';
        return result;
    }

private slots:
    void startsOnFirstTab()
    {
        tTabwidget bar;
        QCOMPARE(marks(bar), QString("100"));
        QCOMPARE(bar.findChild<QPushButton *>("Archives")->text(), QString("浏览档案"));
        QCOMPARE(bar.findChild<QPushButton *>("Setting")->text(), QString("设置"));
    }

    void selectTabwidget_data()
    {
        QTest::addColumn<QList<int>>("calls");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QList<int>>("emitted");
        QTest::newRow("analysis") << QList<int>{2} << "001" << QList<int>{2};
        QTest::newRow("again emits again") << QList<int>{2, 2} << "001" << QList<int>{2, 2};
        QTest::newRow("settings has no mark") << QList<int>{3} << "000" << QList<int>{3};
        QTest::newRow("below range ignored") << QList<int>{1, -1} << "010" << QList<int>{1};
        QTest::newRow("above range ignored") << QList<int>{2, 4} << "001" << QList<int>{2};
        QTest::newRow("back to first") << QList<int>{3, 0} << "100" << QList<int>{3, 0};
    }

    void selectTabwidget()
    {
        QFETCH(QList<int>, calls);
        QFETCH(QString, marks);
        QFETCH(QList<int>, emitted);
        tTabwidget bar;
        QSignalSpy spy(&bar, &tTabwidget::selectTabIndex);
        for (int index : calls)
            bar.selectTabwidget(index);
        QCOMPARE(TestTabBar::marks(bar), marks);
        QList<int> got;
        for (const QList<QVariant> &args : spy)
            got << args.at(0).toInt();
        QCOMPARE(got, emitted);
    }

    void clicksMapToPages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("marks");
        QTest::newRow("archive") << "Archives" << 0 << "100";
        QTest::newRow("live") << "Ondavi" << 1 << "010";
        QTest::newRow("analysis") << "analyse" << 2 << "001";
        QTest::newRow("settings") << "Setting" << 3 << "000";
    }

    void clicksMapToPages()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, marks);
        tTabwidget bar;
        bar.selectTabwidget(1);
        QSignalSpy spy(&bar, &tTabwidget::selectTabIndex);
        QTest::mouseClick(bar.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), index);
        QCOMPARE(TestTabBar::marks(bar), marks);
    }

    void buttonWithForeignTextDoesNothing()
    {
        tTabwidget bar;
        QSignalSpy spy(&bar, &tTabwidget::selectTabIndex);
        auto *button = bar.findChild<QPushButton *>("Ondavi");
        button->setText("something else");
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(marks(bar), QString("100"));
    }

    void geometryInAnyWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("1280") << 1280;
        QTest::newRow("1920") << 1920;
        QTest::newRow("1000") << 1000;
    }

    void geometryInAnyWidth()
    {
        QFETCH(int, width);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *bar = new tTabwidget(&window);
        bar->setMinimumHeight(51);
        bar->setMaximumHeight(51);
        layout->addWidget(bar);
        layout->addStretch();
        window.resize(width, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bar->height(), 51);
        auto *settings = bar->findChild<QPushButton *>("Setting");
        auto *first = bar->findChild<QPushButton *>("Archives");
        QCOMPARE(settings->mapTo(bar, QPoint(settings->width(), 0)).x(), width - 50);
        QCOMPARE(first->mapTo(bar, QPoint(0, 0)).x(), 30);
    }
};

VELK_TEST_MAIN(TestTabBar)
#include "tst_tabbar.moc"
