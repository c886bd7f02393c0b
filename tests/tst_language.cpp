#include "testsupport.h"

#include "currentsettings.h"
#include "zanthermal.h"

#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTranslator>

namespace {

const char *const qmNames[] = {"Main_en.qm", "Main_de.qm", "Main_fr.qm", "Main_es.qm"};

QString qmFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zantranslation/main");
}

// The language the next window starts with.
void storeLanguage(const QString &language)
{
    QDir().mkpath(settingsFolderPath());
    QSettings ini(settingsFolderPath() + QStringLiteral("/IniFormat.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("setting/language"), language);
    ini.sync();
}

QString text(QWidget *window, const char *buttonName)
{
    auto *button = window->findChild<QPushButton *>(QLatin1String(buttonName));
    return button ? button->text() : QStringLiteral("<no %1>").arg(QLatin1String(buttonName));
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void fileChoice_data();
    void fileChoice();
    void startsInStoredLanguage_data();
    void startsInStoredLanguage();
    void secondLoadSwitchesAtOnce();
    void translatorsBelongToWindow();
    void missingFileShowsSourceTexts();

private:
    void restoreQmFiles();
};

void TestLanguage::restoreQmFiles()
{
    // This test runs from a folder of its own, so it may take files away.
    const QString built = qEnvironmentVariable("VELK_BUILD_DIR") + QStringLiteral("/bin/zantranslation/main");
    QDir().mkpath(qmFolder());
    for (const char *name : qmNames) {
        const QString target = qmFolder() + QLatin1Char('/') + QLatin1String(name);
        QFile::remove(target);
        QVERIFY2(QFile::copy(built + QLatin1Char('/') + QLatin1String(name), target),
                 qPrintable(QStringLiteral("the build made no %1").arg(QLatin1String(name))));
    }
}

void TestLanguage::initTestCase()
{
    QVERIFY2(QCoreApplication::applicationDirPath()
                 != qEnvironmentVariable("VELK_BUILD_DIR") + QStringLiteral("/bin"),
             "tst_language must run from its own folder");
}

void TestLanguage::init()
{
    restoreQmFiles();
}

void TestLanguage::fileChoice_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("German") << "German" << "Main_de.qm";
    QTest::newRow("contains German") << "Swiss German" << "Main_de.qm";
    QTest::newRow("german, lower case") << "german" << "Main_en.qm";
    QTest::newRow("French") << "French" << "Main_fr.qm";
    QTest::newRow("French and Spanish") << "Spanish French" << "Main_fr.qm";
    QTest::newRow("German and French") << "FrenchGerman" << "Main_de.qm";
    QTest::newRow("Spanish") << "Spanish" << "Main_es.qm";
    QTest::newRow("English") << "English" << "Main_en.qm";
    QTest::newRow("Chinese") << "Chinese" << "Main_en.qm";
    QTest::newRow("Russian") << "Russian" << "Main_en.qm";
    QTest::newRow("empty") << "" << "Main_en.qm";
    QTest::newRow("huge") << QString(100000, QLatin1Char('y')) + QStringLiteral("Spanish")
                          << "Main_es.qm";
}

void TestLanguage::fileChoice()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QCOMPARE(ZanThermal::languageFile(language), qmFolder() + QLatin1Char('/') + file);
}

void TestLanguage::startsInStoredLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("archiveTab");
    QTest::addColumn<QString>("settingsTab");
    QTest::addColumn<QString>("unitRow");
    QTest::addColumn<QString>("languageValue");
    QTest::newRow("German") << "German" << "Archiv" << "Einstellungen" << "Temperatureinheit"
                            << "Deutsch";
    QTest::newRow("French") << "French" << "Archives" << "Paramètres" << "Unité de température"
                            << "Français";
    QTest::newRow("Spanish") << "Spanish" << "Archivo" << "Configuración"
                             << "Unidad de temperatura" << "Español";
    QTest::newRow("English") << "English" << "Archive" << "Settings" << "Temperature unit"
                             << "English";
    QTest::newRow("Russian shows English") << "Russian" << "Archive" << "Settings"
                                           << "Temperature unit" << "Русский";
}

void TestLanguage::startsInStoredLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, archiveTab);
    QFETCH(QString, settingsTab);
    QFETCH(QString, unitRow);
    QFETCH(QString, languageValue);

    storeLanguage(language);
    ZanThermal window;
    // Texts are translated when the widgets are built, without a change event.
    QCOMPARE(text(&window, "Archives"), archiveTab);
    QCOMPARE(text(&window, "Setting"), settingsTab);
    QCOMPARE(text(&window, "tempUnitN"), unitRow);
    QCOMPARE(text(&window, "languageV"), languageValue);
    QCOMPARE(window.windowTitle(), QStringLiteral("VELK Thermal Camera PC Software v1.1.11"));
}

void TestLanguage::secondLoadSwitchesAtOnce()
{
    storeLanguage(QStringLiteral("English"));
    ZanThermal window;
    window.show();
    QCOMPARE(text(&window, "Ondavi"), QStringLiteral("Live View"));
    const QString unitBefore = text(&window, "tempUnitV");

    window.loadLanguage(QStringLiteral("Spanish"));
    QTRY_COMPARE(text(&window, "Ondavi"), QStringLiteral("Vista en directo"));
    QTRY_COMPARE(text(&window, "tempUnitN"), QStringLiteral("Unidad de temperatura"));
    QCOMPARE(text(&window, "tempUnitV"), unitBefore);
    // The title is not translated.
    QCOMPARE(window.windowTitle(), QStringLiteral("VELK Thermal Camera PC Software v1.1.11"));

    // A tab selected by its translated text still switches the page.
    auto *settingsTab = window.findChild<QPushButton *>(QStringLiteral("Setting"));
    settingsTab->click();
    QCOMPARE(window.findChild<QStackedWidget *>(QStringLiteral("ZanMenuWidget"))->currentIndex(), 3);
}

void TestLanguage::translatorsBelongToWindow()
{
    storeLanguage(QStringLiteral("German"));
    {
        ZanThermal window;
        window.loadLanguage(QStringLiteral("French"));
        QCOMPARE(window.findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
        QCOMPARE(QCoreApplication::translate("tTabwidget", "设置"), QStringLiteral("Paramètres"));
    }
    // Gone with the window: nothing translates any more.
    QCOMPARE(QCoreApplication::translate("tTabwidget", "设置"), QString::fromUtf8("设置"));
}

void TestLanguage::missingFileShowsSourceTexts()
{
    QVERIFY(QFile::remove(qmFolder() + QStringLiteral("/Main_en.qm")));
    storeLanguage(QStringLiteral("English"));
    ZanThermal window;
    QCOMPARE(text(&window, "Archives"), QString::fromUtf8("浏览档案"));
    QCOMPARE(text(&window, "tempUnitN"), QString::fromUtf8("温度单位"));
    // The page still shows the stored language's name.
    QCOMPARE(text(&window, "languageV"), QStringLiteral("English"));

    // A later language with its file present still takes over.
    window.loadLanguage(QStringLiteral("German"));
    QTRY_COMPARE(text(&window, "Archives"), QStringLiteral("Archiv"));
}

VELK_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
