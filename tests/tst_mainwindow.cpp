#include "testsupport.h"

#include "currentsettings.h"
#include "setting.h"
#include "ttabwidget.h"
#include "zanthermal.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>
#include <QVBoxLayout>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QString documents() const { return TestSupport::documentsPath(); }
    QString iniPath() const { return documents() + "/VELKThermal/SystemCON/IniFormat.ini"; }

private slots:
    void initTestCase()
    {
        // The offscreen platform defaults to a 12 pt font, desktops to 9 pt;
        // with 12 pt the status bar alone pushes the archive page's fixed
        // minimum height past 800.
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    }

    void firstStart()
    {
        QVERIFY(!QFile::exists(iniPath()));
        ZanThermal window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("VELK Thermal Camera PC Software v1.1.11"));
        QCOMPARE(window.size(), QSize(1280, 800));
        QVERIFY(QFileInfo(documents() + "/VELKThermal/Users Files").isDir());
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        QCOMPARE(stack->currentIndex(), 0);
        QCOMPARE(stack->currentWidget()->objectName(), QString("page_1"));
        QTRY_VERIFY(QFile::exists(iniPath()));
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(ini.readAll().contains("UnitTemp=\\x2103"));
    }

    void pagesAtFixedIndices()
    {
        ZanThermal window;
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        QCOMPARE(stack->count(), 4);
        QCOMPARE(QString(stack->widget(0)->metaObject()->className()), QString("ImageSys"));
        QCOMPARE(QString(stack->widget(1)->metaObject()->className()), QString("Ondavi"));
        QCOMPARE(stack->widget(2)->objectName(), QString("page_3"));
        QCOMPARE(QString(stack->widget(3)->metaObject()->className()), QString("Setting"));
        QVERIFY(window.findChild<QVBoxLayout *>("xxxxx"));
    }

    void tabsSwitchPages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("page");
        QTest::newRow("live view") << "Ondavi" << 1;
        QTest::newRow("analysis") << "analyse" << 2;
        QTest::newRow("settings") << "Setting" << 3;
        QTest::newRow("archive") << "Archives" << 0;
    }

    void tabsSwitchPages()
    {
        QFETCH(QString, button);
        QFETCH(int, page);
        ZanThermal window;
        window.show();
        auto *stack = window.findChild<QStackedWidget *>("ZanMenuWidget");
        auto *bar = window.findChild<tTabwidget *>("ZanMenu");
        if (page == 0)
            bar->selectTabwidget(2);
        QTest::mouseClick(bar->findChild<QPushButton *>(button), Qt::LeftButton);
        // The switch is a direct call: done when the click returns.
        QCOMPARE(stack->currentIndex(), page);
        QTest::mouseClick(bar->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(stack->currentIndex(), page);
    }

    void configChangesRelayed_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("relayed");
        QTest::addColumn<int>("newTranslators");
        QTest::newRow("temperature") << 1 << true << 0;
        QTest::newRow("language") << 2 << true << 1;
        QTest::newRow("distance") << 3 << true << 0;
        QTest::newRow("zero") << 0 << false << 0;
        QTest::newRow("four") << 4 << false << 0;
        QTest::newRow("negative") << -1 << false << 0;
    }

    void configChangesRelayed()
    {
        QFETCH(int, code);
        QFETCH(bool, relayed);
        QFETCH(int, newTranslators);
        ZanThermal window;
        const int translatorsBefore = window.findChildren<QTranslator *>().size();
        QSignalSpy spy(&window, &ZanThermal::loadConfigAnalysisSignals);
        auto *setting = window.findChild<Setting *>("page_4");
        emit setting->SignalsChangeConfig(qint8(code));
        QCOMPARE(spy.count(), relayed ? 1 : 0);
        if (relayed)
            QCOMPARE(spy.at(0).at(0).value<quint8>(), quint8(code));
        // Only the language code loads a translator.
        QCOMPARE(window.findChildren<QTranslator *>().size() - translatorsBefore, newTranslators);
    }

    void tabBarKeepsHeightOnResize()
    {
        ZanThermal window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The archive page needs 725 pixels of height: stay above that.
        for (const QSize size : {QSize(1600, 1000), QSize(1366, 900)}) {
            window.resize(size);
            QTRY_COMPARE(window.size(), size);
            QTRY_COMPARE(window.findChild<tTabwidget *>("ZanMenu")->height(), 51);
        }
    }

    void garbageSettingsFileDoesNotStopStart()
    {
        QDir().mkpath(QFileInfo(iniPath()).path());
        QFile ini(iniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(QByteArray("\x00\x01\x02\xff[setting\nlanguage", 20));
        ini.close();
        ZanThermal window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(currentLanguage(), QString("English"));
    }

    void longStoredValuesKeepWindowSize()
    {
        QDir().mkpath(QFileInfo(iniPath()).path());
        QSettings ini(iniPath(), QSettings::IniFormat);
        ini.setValue("setting/folderPath", "/media/" + QString(300, 'x'));
        ini.setValue("setting/language", QString(500, 'L'));
        ini.sync();
        ZanThermal window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(1280, 800));
        QFile::remove(iniPath());
    }

    void documentsBlockedByAFile()
    {
        // A file where the Documents folder should be: nothing can be created
        // below it, and the window must still open.
        const QString docs = documents();
        QVERIFY(QDir(docs).removeRecursively());
        QFile blocker(docs);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        {
            ZanThermal window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.windowTitle(), QString("VELK Thermal Camera PC Software v1.1.11"));
        }
        QVERIFY(QFile::remove(docs));
        QVERIFY(QDir().mkpath(docs));
    }
};

VELK_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
