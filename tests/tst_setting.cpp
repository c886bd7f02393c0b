#include "testsupport.h"

#include "currentsettings.h"
#include "measurementunits.h"
#include "setting.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QString iniPath()
{
    return settingsFolderPath() + QStringLiteral("/IniFormat.ini");
}

// The settings file as text, once written back.
QString iniText()
{
    QFile file(iniPath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString buttonText(QWidget *page, const char *name)
{
    auto *button = page->findChild<QPushButton *>(QLatin1String(name));
    return button ? button->text() : QStringLiteral("<no button %1>").arg(QLatin1String(name));
}

void click(QWidget *page, const QString &name)
{
    auto *button = page->findChild<QPushButton *>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

// What the item chooser looked like when it opened.
struct Chooser
{
    QString title;
    QString label;
    QStringList items;
    QString preselected;
    bool editable = true;
    bool parentless = false;
    Qt::WindowFlags flags;
};

// Answers the next item chooser: picks `choice`, or cancels when it is empty.
void answerChooser(Chooser *seen, const QString &choice)
{
    TestSupport::answerNextModal([seen, choice](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY2(dialog, "the modal widget is not an input dialog");
        seen->title = dialog->windowTitle();
        seen->label = dialog->labelText();
        seen->items = dialog->comboBoxItems();
        seen->preselected = dialog->textValue();
        seen->editable = dialog->isComboBoxEditable();
        seen->parentless = dialog->parentWidget() == nullptr;
        seen->flags = dialog->windowFlags();
        if (choice.isEmpty()) {
            dialog->reject();
        } else {
            dialog->setTextValue(choice);
            dialog->accept();
        }
    });
}

// The choosers are free-standing dialogs with a close button and nothing else.
void verifyChooserWindow(const Chooser &seen)
{
    QVERIFY(seen.parentless);
    QVERIFY(seen.flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(seen.flags & (Qt::WindowContextHelpButtonHint | Qt::WindowMinMaxButtonsHint)));
}

} // namespace

class TestSetting : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { openedUrls << url; }

private slots:
    void initTestCase();
    void init();

    void tempUnitCodes_data();
    void tempUnitCodes();
    void temperatureChooser_data();
    void temperatureChooser();
    void distanceChooser_data();
    void distanceChooser();
    void templateChooser();
    void languageChooser_data();
    void languageChooser();
    void folderChoosers_data();
    void folderChoosers();
    void storedValuesShownAsStored();
    void findManual();
    void manualOpens_data();
    void manualOpens();
    void missingManualDoesNothing();

private:
    QObject settingsOwner;
    QList<QUrl> openedUrls;
};

void TestSetting::initTestCase()
{
    initCurrentSettings(&settingsOwner);
    // The setters only write to a file that exists; the defaults reach the
    // disk on the store's first write-back.
    QTRY_VERIFY(QFile::exists(iniPath()));
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
}

void TestSetting::init()
{
    openedUrls.clear();
    setCurrentUnitTemp(MeasurementUnits::celsius());
    setCurrentUnitDistence(MeasurementUnits::metre());
    setCurrentPdfExcel(QStringLiteral("PDF 1"));
    setCurrentLanguage(QStringLiteral("English"));
    setCurrentFolderPath(albumFolderPath());
    setCurrentPdfPath(albumFolderPath());
}

void TestSetting::tempUnitCodes_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<int>("code");
    QTest::newRow("kelvin") << QStringLiteral("K") << 2;
    QTest::newRow("fahrenheit U+2109") << QString(QChar(0x2109)) << 1;
    QTest::newRow("celsius U+2103") << QString(QChar(0x2103)) << 0;
    QTest::newRow("lower-case k") << QStringLiteral("k") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("degree sign + F") << QStringLiteral("\u00B0F") << 0;
    QTest::newRow("kelvin with space") << QStringLiteral("K ") << 0;
}

void TestSetting::tempUnitCodes()
{
    QFETCH(QString, symbol);
    QFETCH(int, code);
    QCOMPARE(tempUnitCode(symbol), code);
}

void TestSetting::temperatureChooser_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("choice"); // empty: cancel
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("emitted");

    const QString c = MeasurementUnits::celsius();
    const QString f = MeasurementUnits::fahrenheit();
    QTest::newRow("K by the name") << c << "tempUnitN" << "K" << c << "K" << 1;
    QTest::newRow("K by the value") << c << "tempUnitV" << "K" << c << "K" << 1;
    QTest::newRow("K by the arrow") << c << "tempUnitB" << "K" << c << "K" << 1;
    QTest::newRow("cancel") << c << "tempUnitB" << "" << c << c << 0;
    QTest::newRow("same unit again") << f << "tempUnitV" << f << f << f << 1;
    QTest::newRow("kelvin preselected") << "K" << "tempUnitV" << "" << "K" << "K" << 0;
    QTest::newRow("unknown symbol") << "\u00B0F" << "tempUnitV" << "" << c << "\u00B0F" << 0;
}

void TestSetting::temperatureChooser()
{
    QFETCH(QString, stored);
    QFETCH(QString, button);
    QFETCH(QString, choice);
    QFETCH(QString, preselected);
    QFETCH(QString, shown);
    QFETCH(int, emitted);

    setCurrentUnitTemp(stored);
    Setting page;
    QSignalSpy spy(&page, &Setting::SignalsChangeConfig);
    QCOMPARE(buttonText(&page, "tempUnitV"), stored);

    Chooser seen;
    answerChooser(&seen, choice);
    click(&page, button);

    QCOMPARE(seen.items, QStringList({MeasurementUnits::celsius(), MeasurementUnits::fahrenheit(),
                                      MeasurementUnits::kelvin()}));
    QCOMPARE(seen.preselected, preselected);
    QVERIFY(!seen.editable);
    verifyChooserWindow(seen);
    QCOMPARE(seen.title, QString::fromUtf8("温度单位"));
    QCOMPARE(seen.label, QString::fromUtf8("单位:"));
    QCOMPARE(buttonText(&page, "tempUnitV"), shown);
    QCOMPARE(currentUnitTemp(), shown);
    QCOMPARE(spy.count(), emitted);
    if (emitted) {
        QCOMPARE(spy.at(0).at(0).value<qint8>(), qint8(1));
        if (shown == QLatin1String("K"))
            QTRY_VERIFY(iniText().contains(QLatin1String("UnitTemp=K\n")));
    }
}

void TestSetting::distanceChooser_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("emitted");
    QTest::newRow("ft chosen") << "m" << "ft" << "m" << "ft" << 1;
    QTest::newRow("ft preselected") << "ft" << "m" << "ft" << "m" << 1;
    QTest::newRow("FT preselects m") << "FT" << "" << "m" << "FT" << 0;
    QTest::newRow("cancel") << "m" << "" << "m" << "m" << 0;
}

void TestSetting::distanceChooser()
{
    QFETCH(QString, stored);
    QFETCH(QString, choice);
    QFETCH(QString, preselected);
    QFETCH(QString, shown);
    QFETCH(int, emitted);

    setCurrentUnitDistence(stored);
    Setting page;
    QSignalSpy spy(&page, &Setting::SignalsChangeConfig);
    Chooser seen;
    answerChooser(&seen, choice);
    click(&page, QStringLiteral("distenceUnitB"));

    QCOMPARE(seen.items, QStringList({QStringLiteral("m"), QStringLiteral("ft")}));
    QCOMPARE(seen.preselected, preselected);
    QCOMPARE(seen.title, QString::fromUtf8("距离单位"));
    QCOMPARE(seen.label, QString::fromUtf8("单位:"));
    QVERIFY(!seen.editable);
    verifyChooserWindow(seen);
    QCOMPARE(buttonText(&page, "distenceUnitV"), shown);
    QCOMPARE(currentUnitDistence(), shown);
    QCOMPARE(spy.count(), emitted);
    if (emitted)
        QCOMPARE(spy.at(0).at(0).value<qint8>(), qint8(3));
}

void TestSetting::templateChooser()
{
    Setting page;
    QSignalSpy spy(&page, &Setting::SignalsChangeConfig);
    Chooser seen;
    answerChooser(&seen, QStringLiteral("PDF 1"));
    click(&page, QStringLiteral("pdfExcelN"));
    QCOMPARE(seen.items, QStringList{QStringLiteral("PDF 1")});
    QCOMPARE(seen.title, QStringLiteral("PDF/Excel"));
    QCOMPARE(seen.label, QStringLiteral("PDF/Excel:"));
    QVERIFY(!seen.editable);
    verifyChooserWindow(seen);
    QCOMPARE(buttonText(&page, "pdfExcelV"), QStringLiteral("PDF 1"));
    QCOMPARE(currentPdfExcel(), QStringLiteral("PDF 1"));
    QCOMPARE(spy.count(), 0);
}

void TestSetting::languageChooser_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("label");       // shown before the choice
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("preselected");
    QTest::addColumn<QString>("choice");      // empty: cancel
    QTest::addColumn<QString>("labelAfter");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QString>("noticeTitle");
    QTest::addColumn<QString>("noticeText");

    const QStringList english = {"English(English)", "Deutsch(German)", "Français(French)",
                                 "Español(Spanish)"};
    const QStringList german = {"English(Englisch)", "Deutsch(Deutsch)", "Français(Französisch)",
                                "Español(Spanish)"};
    const QStringList spanish = {"English(Inglés)", "Deutsch(Alemán)", "Français(Francés)",
                                 "Español(Español)"};
    const QStringList french = {"English(Anglais)", "Deutsch(Allemand)", "Français(Français)",
                                "Español(Espagnol)"};
    const QString chinese = QString::fromUtf8("中文");

    QTest::newRow("German to French")
        << "German" << "Deutsch" << german << "Deutsch(Deutsch)" << "Français(Französisch)"
        << "Français" << "French" << "Langue(Language)"
        << "redémarrez le logiciel pour qu'il prenne effet!";
    QTest::newRow("Spanish to English")
        << "Spanish" << "Español" << spanish << "Español(Español)" << "English(Inglés)"
        << "English" << "English" << "Language(Language)" << "Restart the software to take effect!";
    QTest::newRow("French to Spanish")
        << "French" << "Français" << french << "Français(Français)" << "Español(Espagnol)"
        << "Español" << "Spanish" << "Idioma(Language)"
        << "¡Reiniciar software para que surta efecto!";
    QTest::newRow("English to German")
        << "English" << "English" << english << "English(English)" << "Deutsch(German)"
        << "Deutsch" << "German" << "Sprache(Language)" << "Inkrafttreten nach Neustart!";
    QTest::newRow("empty to Spanish")
        << "" << chinese << english << "English(English)" << "Español(Spanish)"
        << "Español" << "Spanish" << "Idioma(Language)"
        << "¡Reiniciar software para que surta efecto!";
    QTest::newRow("Chinese, cancel")
        << "Chinese" << QString::fromUtf8("中文简体") << english << "English(English)" << ""
        << QString::fromUtf8("中文简体") << "Chinese" << "" << "";
    QTest::newRow("Russian, cancel")
        << "Russian" << QString::fromUtf8("Русский") << english << "English(English)" << ""
        << QString::fromUtf8("Русский") << "Russian" << "" << "";
    QTest::newRow("unknown, cancel")
        << "Klingon" << chinese << english << "English(English)" << "" << chinese << "Klingon"
        << "" << "";
    QTest::newRow("huge value, cancel")
        << QString(200000, QLatin1Char('x')) << chinese << english << "English(English)" << ""
        << chinese << QString(200000, QLatin1Char('x')) << "" << "";
}

void TestSetting::languageChooser()
{
    QFETCH(QString, stored);
    QFETCH(QString, label);
    QFETCH(QStringList, items);
    QFETCH(QString, preselected);
    QFETCH(QString, choice);
    QFETCH(QString, labelAfter);
    QFETCH(QString, storedAfter);
    QFETCH(QString, noticeTitle);
    QFETCH(QString, noticeText);

    setCurrentLanguage(stored);
    Setting page;
    QSignalSpy languageSpy(&page, &Setting::changeLanguage);
    QSignalSpy configSpy(&page, &Setting::SignalsChangeConfig);
    QCOMPARE(buttonText(&page, "languageV"), label);

    Chooser seen;
    QString boxTitle, boxText;
    int boxButtons = 0;
    const bool confirm = !choice.isEmpty();
    TestSupport::answerNextModal([&, confirm](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY2(dialog, "the modal widget is not an input dialog");
        seen.title = dialog->windowTitle();
        seen.label = dialog->labelText();
        seen.items = dialog->comboBoxItems();
        seen.preselected = dialog->textValue();
        seen.editable = dialog->isComboBoxEditable();
        seen.parentless = dialog->parentWidget() == nullptr;
        seen.flags = dialog->windowFlags();
        if (!confirm) {
            dialog->reject();
            return;
        }
        // The restart notice follows the confirmed choice.
        TestSupport::answerNextModal([&](QWidget *next) {
            auto *box = qobject_cast<QMessageBox *>(next);
            QVERIFY2(box, "no restart notice");
            boxTitle = box->windowTitle();
            boxText = box->text();
            boxButtons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        dialog->setTextValue(choice);
        dialog->accept();
    });
    click(&page, QStringLiteral("languageN"));
    if (confirm)
        QTRY_VERIFY(!boxTitle.isEmpty());

    QCOMPARE(seen.items, items);
    QCOMPARE(seen.preselected, preselected);
    QCOMPARE(seen.title, QString::fromUtf8("语言"));
    QCOMPARE(seen.label, QString::fromUtf8("语言:(重启软件生效!)"));
    QVERIFY(!seen.editable);
    verifyChooserWindow(seen);
    QCOMPARE(buttonText(&page, "languageV"), labelAfter);
    QCOMPARE(currentLanguage(), storedAfter);
    QCOMPARE(boxTitle, noticeTitle);
    QCOMPARE(boxText, noticeText);
    if (confirm) {
        QCOMPARE(boxButtons, 1);
        QTRY_VERIFY(iniText().contains(QStringLiteral("language=") + storedAfter + QLatin1Char('\n')));
    }
    // The language applies at the next start only.
    QCOMPARE(languageSpy.count(), 0);
    QCOMPARE(configSpy.count(), 0);
}

void TestSetting::folderChoosers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("album folder chosen") << "folderPathB" << "folderPathV" << false << true;
    QTest::newRow("album folder cancelled") << "folderPathN" << "folderPathV" << false << false;
    QTest::newRow("report folder chosen") << "PDFPathV" << "PDFPathV" << true << true;
    QTest::newRow("report folder cancelled") << "PDFPathB" << "PDFPathV" << true << false;
}

void TestSetting::folderChoosers()
{
    QFETCH(QString, button);
    QFETCH(QString, value);
    QFETCH(bool, pdf);
    QFETCH(bool, confirm);

    QTemporaryDir chosen;
    QVERIFY(chosen.isValid());
    const QString before = albumFolderPath();
    QDir().mkpath(before);
    Setting page;
    QSignalSpy spy(&page, &Setting::SignalsChangeConfig);

    QString startFolder;
    TestSupport::answerNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY2(dialog, "the modal widget is not a file dialog");
        startFolder = dialog->directory().absolutePath();
        if (!confirm) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(chosen.path());
        static_cast<QDialog *>(dialog)->accept();
    });
    click(&page, button);

    QCOMPARE(startFolder, QDir(before).absolutePath());
    const QString expected = confirm ? chosen.path() : before;
    QCOMPARE(QDir(pdf ? currentPdfPath() : currentFolderPath()).absolutePath(),
             QDir(expected).absolutePath());
    QCOMPARE(page.findChild<QPushButton *>(value)->text(), pdf ? currentPdfPath() : currentFolderPath());
    // The other folder is left alone.
    QCOMPARE(pdf ? currentFolderPath() : currentPdfPath(), before);
    QCOMPARE(spy.count(), 0);
}

void TestSetting::storedValuesShownAsStored()
{
    // A hand-edited file: values outside the lists and a folder that is gone.
    const QString gone = QDir::tempPath() + QStringLiteral("/velk-no-such-folder/sub");
    setCurrentUnitTemp(QStringLiteral("Celsius"));
    setCurrentUnitDistence(QStringLiteral("yd"));
    setCurrentPdfExcel(QStringLiteral("PDF 9"));
    setCurrentFolderPath(gone);
    setCurrentPdfPath(QString());
    Setting page;
    QCOMPARE(buttonText(&page, "tempUnitV"), QStringLiteral("Celsius"));
    QCOMPARE(buttonText(&page, "distenceUnitV"), QStringLiteral("yd"));
    QCOMPARE(buttonText(&page, "pdfExcelV"), QStringLiteral("PDF 9"));
    QCOMPARE(buttonText(&page, "folderPathV"), gone);
    QCOMPARE(buttonText(&page, "PDFPathV"), QString());

    // Cancelling the chooser of a folder that is gone changes nothing.
    TestSupport::answerNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        QVERIFY(dialog);
        dialog->reject();
    });
    click(&page, QStringLiteral("folderPathV"));
    QCOMPARE(currentFolderPath(), gone);
    QCOMPARE(buttonText(&page, "folderPathV"), gone);

    // After a language change event the stored values are still shown.
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&page, &change);
    QCOMPARE(buttonText(&page, "tempUnitV"), QStringLiteral("Celsius"));
    QCOMPARE(buttonText(&page, "folderPathV"), gone);
    QCOMPARE(buttonText(&page, "tempUnitN"), QString::fromUtf8("温度单位"));
}

void TestSetting::findManual()
{
    QTemporaryDir first, second, empty;
    QFile(second.filePath(Setting::manualFileName())).open(QIODevice::WriteOnly);
    QFile(first.filePath(Setting::manualFileName())).open(QIODevice::WriteOnly);
    QDir(empty.path()).mkdir(Setting::manualFileName()); // a folder of that name is no manual

    QCOMPARE(Setting::findManual({empty.path(), second.path(), first.path()}),
             QDir(second.path()).absoluteFilePath(Setting::manualFileName()));
    QCOMPARE(Setting::findManual({first.path(), second.path()}),
             QDir(first.path()).absoluteFilePath(Setting::manualFileName()));
    QCOMPARE(Setting::findManual({empty.path()}), QString());
    QCOMPARE(Setting::findManual({}), QString());
}

void TestSetting::manualOpens_data()
{
    QTest::addColumn<bool>("inWorkingDir");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("working directory only") << true << false;
    QTest::newRow("beside the program only") << false << true;
    QTest::newRow("both: working directory first") << true << true;
}

void TestSetting::manualOpens()
{
    QFETCH(bool, inWorkingDir);
    QFETCH(bool, besideProgram);

    const QString name = Setting::manualFileName();
    const QString built = qEnvironmentVariable("VELK_BUILD_DIR") + QStringLiteral("/bin/") + name;
    QVERIFY2(QFile::exists(built), "the build did not place the manual beside the program");
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile::remove(beside);
    if (besideProgram)
        QVERIFY(QFile::copy(built, beside));

    QTemporaryDir workDir;
    const QString oldDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    if (inWorkingDir)
        QVERIFY(QFile::copy(built, workDir.filePath(name)));

    Setting page;
    click(&page, QStringLiteral("softwareV"));
    QDir::setCurrent(oldDir);
    QFile::remove(beside);

    QCOMPARE(openedUrls.size(), 1);
    const QString expected = inWorkingDir ? QDir(workDir.path()).absoluteFilePath(name) : beside;
    QCOMPARE(openedUrls.at(0).toLocalFile(), QFileInfo(expected).absoluteFilePath());
}

void TestSetting::missingManualDoesNothing()
{
    QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath(Setting::manualFileName()));
    QTemporaryDir workDir;
    const QString oldDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));

    Setting page;
    click(&page, QStringLiteral("softwareB"));
    QDir::setCurrent(oldDir);

    QVERIFY(openedUrls.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

VELK_TEST_MAIN(TestSetting)
#include "tst_setting.moc"
