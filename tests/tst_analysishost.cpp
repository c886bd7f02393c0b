#include "testsupport.h"

#include "fixturewriter.h"
#include "imageanalysisk52.h"
#include "currentsettings.h"
#include "imagesys.h"
#include "setting.h"
#include "ttabwidget.h"
#include "zanthermal.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

class TestAnalysisHost : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir pictures;

    QString picture(const QString &name)
    {
        const QString path = pictures.filePath(name);
        if (!QFile::exists(path))
            FixtureWriter::writeCameraPicture(path);
        return path;
    }

    static QList<ImageAnalysisK52 *> analyses(ZanThermal &window)
    {
        return window.findChild<QWidget *>("page_3")->findChildren<ImageAnalysisK52 *>();
    }

    static QVBoxLayout *hostLayout(ZanThermal &window)
    {
        return window.findChild<QVBoxLayout *>("xxxxx");
    }

    static QString tabMarks(ZanThermal &window)
    {
        auto *bar = window.findChild<tTabwidget *>("ZanMenu");
        QString marks;
        for (const char *name : {"label_1", "label_2", "label_3"})
            marks += bar->findChild<QLabel *>(name)->isVisibleTo(bar) ? '1' : '0';
        return marks;
    }

    static void open(ZanThermal &window, const QString &path, const QString &deviceType)
    {
        emit window.findChild<ImageSys *>("page_1")->imageSysAnalysis(path, deviceType);
    }

private slots:
    void openRequest_data()
    {
        QTest::addColumn<int>("startPage");
        QTest::addColumn<QString>("deviceType");
        QTest::addColumn<bool>("created");
        QTest::newRow("camera picture") << 0 << "Q4815" << true;
        QTest::newRow("from the settings page") << 3 << "Q4815" << true;
        QTest::newRow("lower case") << 0 << "q4815" << false;
        QTest::newRow("empty") << 0 << "" << false;
        QTest::newRow("trailing space") << 1 << "Q4815 " << false;
    }

    void openRequest()
    {
        QFETCH(int, startPage);
        QFETCH(QString, deviceType);
        QFETCH(bool, created);
        ZanThermal window;
        window.show();
        window.findChild<tTabwidget *>("ZanMenu")->selectTabwidget(startPage);
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        QCOMPARE(stack->currentIndex(), startPage);

        const QString path = picture("one.jpg");
        open(window, path, deviceType);

        QCOMPARE(stack->currentIndex(), 2);
        QCOMPARE(tabMarks(window), QString("001"));
        const QList<ImageAnalysisK52 *> made = analyses(window);
        QCOMPARE(made.size(), created ? 1 : 0);
        QCOMPARE(hostLayout(window)->count(), created ? 1 : 0);
        if (created) {
            // Had create run before close, close would have taken the new
            // view away again.
            QCOMPARE(made.first()->filePath(), path);
            QVERIFY(made.first()->view());
            QCOMPARE(hostLayout(window)->itemAt(0)->widget(), made.first()->view());
            QVERIFY(made.first()->view()->isVisible());
        }
    }

    void secondAnalysisReplacesTheFirst()
    {
        ZanThermal window;
        window.show();
        open(window, picture("one.jpg"), "Q4815");
        QCOMPARE(analyses(window).size(), 1);
        ImageAnalysisK52 *first = analyses(window).first();
        QPointer<QWidget> firstView = first->view();

        open(window, picture("two.jpg"), "Q4815");
        QCOMPARE(analyses(window).size(), 2);
        ImageAnalysisK52 *second = analyses(window).last();
        QVERIFY(second != first);
        QCOMPARE(hostLayout(window)->count(), 1);
        QCOMPARE(hostLayout(window)->itemAt(0)->widget(), second->view());
        QVERIFY(!first->view());
        QTRY_VERIFY(firstView.isNull());

        // Another device type leaves the last analysis showing.
        open(window, picture("three.jpg"), "");
        QCOMPARE(hostLayout(window)->count(), 1);
        QCOMPARE(hostLayout(window)->itemAt(0)->widget(), second->view());
    }

    void configChangesReachEveryAnalysis_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("temperature unit") << 1;
        QTest::newRow("language") << 2;
        QTest::newRow("distance unit") << 3;
    }

    void configChangesReachEveryAnalysis()
    {
        QFETCH(int, code);
        ZanThermal window;
        open(window, picture("one.jpg"), "Q4815");
        open(window, picture("two.jpg"), "Q4815");
        const QList<ImageAnalysisK52 *> made = analyses(window);
        QCOMPARE(made.size(), 2);
        QSignalSpy first(made.at(0), &ImageAnalysisK52::loadConfigAnalysisSignals);
        QSignalSpy second(made.at(1), &ImageAnalysisK52::loadConfigAnalysisSignals);
        emit window.findChild<Setting *>("page_4")->SignalsChangeConfig(qint8(code));
        QCOMPARE(first.count(), 1);
        QCOMPARE(second.count(), 1);
        QCOMPARE(first.at(0).at(0).value<quint8>(), quint8(code));
        QCOMPARE(second.at(0).at(0).value<quint8>(), quint8(code));
    }

    void unitChosenOnTheSettingsPageIsShown()
    {
        ZanThermal window;
        QTRY_VERIFY(QFile::exists(settingsFolderPath() + "/IniFormat.ini"));
        open(window, picture("one.jpg"), "Q4815");
        auto *note = analyses(window).first()->view()->findChild<QLabel *>("unitNote");
        QVERIFY(note);
        // Not yet written to disk: the analysis must still see the new unit.
        setCurrentUnitTemp(QString(QChar(0x2109)));
        setCurrentUnitDistence("ft");
        emit window.findChild<Setting *>("page_4")->SignalsChangeConfig(1);
        QVERIFY(note->text().contains(QChar(0x2109)));
        QVERIFY(note->text().contains("ft"));
        setCurrentUnitTemp(QString(QChar(0x2103)));
        setCurrentUnitDistence("m");
    }
};

VELK_TEST_MAIN(TestAnalysisHost)
#include "tst_analysishost.moc"
