#include "setting.h"
#include "ui_setting.h"

#include "currentsettings.h"
#include "measurementunits.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

const char *const settingNameStyle =
    "font-size: 18px;\nfont-weight: 500;\nfont-family:PingFang SC;\ncolor: #999999;\n"
    "line-height: 43px;\ntext-align: left;\nborder-left:20px solid rgba(248,248,248);"
    "background-color: #F8F8F8;";
const char *const settingValueStyle =
    "font-size: 18px;\nfont-weight: 500;\ncolor: #999999;\nline-height: 43px;\n"
    "text-align: right;\nborder-left:20px solid rgba(248,248,248);background-color: #F8F8F8;";

// Label shown for a stored language value; empty when the value is unknown.
QString languageLabel(const QString &language)
{
    if (language == QLatin1String("Chinese"))
        return QStringLiteral("中文简体");
    if (language == QLatin1String("English"))
        return QStringLiteral("English");
    if (language == QLatin1String("German"))
        return QStringLiteral("Deutsch");
    if (language == QLatin1String("French"))
        return QStringLiteral("Français");
    if (language == QLatin1String("Russian"))
        return QStringLiteral("Русский");
    if (language == QLatin1String("Spanish"))
        return QStringLiteral("Español");
    return QString();
}

} // namespace

Setting::Setting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Setting)
{
    ui->setupUi(this);
    connect(ui->distenceUnitG, SIGNAL(buttonClicked(int)), this, SLOT(distenceUnitGClickResponse(int)));
    connect(ui->PDFPathG, SIGNAL(buttonClicked(int)), this, SLOT(PDFPathGClickResponse(int)));
    connect(ui->languageG, SIGNAL(buttonClicked(int)), this, SLOT(languageGClickResponse(int)));
    connect(ui->pdfExcelG, SIGNAL(buttonClicked(int)), this, SLOT(pdfExcelGClickResponse(int)));
    connect(ui->tempUnitG, SIGNAL(buttonClicked(int)), this, SLOT(tempUnitGClickResponse(int)));
    connect(ui->softwareG, SIGNAL(buttonClicked(int)), this, SLOT(softwareGClickResponse(int)));
    connect(ui->folderPathG, SIGNAL(buttonClicked(int)), this, SLOT(folderPathGClickResponse(int)));
    // A push button's text sets its minimum width; a long folder path or a
    // hand-edited value must not widen the main window past the screen.
    for (QPushButton *value : {ui->tempUnitV, ui->distenceUnitV, ui->softwareV, ui->languageV,
                               ui->pdfExcelV, ui->folderPathV, ui->PDFPathV})
        value->setMinimumWidth(1);
    refreshValues();
}

Setting::~Setting()
{
    delete ui;
}

void Setting::refreshValues()
{
    ui->distenceUnitV->setText(currentUnitDistence());
    ui->PDFPathV->setText(currentPdfPath());
    ui->folderPathV->setText(currentFolderPath());
    ui->PDFPathV->setToolTip(QDir::toNativeSeparators(currentPdfPath()));
    ui->folderPathV->setToolTip(QDir::toNativeSeparators(currentFolderPath()));
    ui->pdfExcelV->setText(currentPdfExcel());
    ui->tempUnitV->setText(currentUnitTemp());

    const QString nameStyle = QString::fromLatin1(settingNameStyle);
    for (QPushButton *name : {ui->distenceUnitN, ui->folderPathN, ui->languageN, ui->pdfExcelN,
                              ui->tempUnitN, ui->PDFPathN, ui->softwareN})
        name->setStyleSheet(nameStyle);
    ui->languageV->setStyleSheet(QString::fromLatin1(settingValueStyle));

    const QString label = languageLabel(currentLanguage());
    if (!label.isEmpty())
        ui->languageV->setText(label);
}

void Setting::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        refreshValues();
    }
}

QString Setting::chooseItem(const QString &title, const QString &label,
                            const QStringList &items, int current)
{
    bool ok = false;
    const QString item = QInputDialog::getItem(nullptr, title, label, items, current, false, &ok,
                                               Qt::WindowCloseButtonHint);
    return ok ? item : QString();
}

void Setting::AboutGClickResponse(int)
{
}

void Setting::tempUnitGClickResponse(int)
{
    const QStringList units = {MeasurementUnits::celsius(), MeasurementUnits::fahrenheit(),
                               MeasurementUnits::kelvin()};
    const QString unit = chooseItem(tr("温度单位"), tr("单位:"), units,
                                    tempUnitCode(currentUnitTemp()));
    if (unit.isEmpty())
        return;
    ui->tempUnitV->setText(unit);
    setCurrentUnitTemp(unit);
    emit SignalsChangeConfig(1);
}

void Setting::distenceUnitGClickResponse(int)
{
    const QStringList units = {MeasurementUnits::metre(), MeasurementUnits::foot()};
    const int current = currentUnitDistence() == MeasurementUnits::foot() ? 1 : 0;
    const QString unit = chooseItem(tr("距离单位"), tr("单位:"), units, current);
    if (unit.isEmpty())
        return;
    ui->distenceUnitV->setText(unit);
    setCurrentUnitDistence(unit);
    emit SignalsChangeConfig(3);
}

void Setting::pdfExcelGClickResponse(int)
{
    const QString templ = chooseItem(QStringLiteral("PDF/Excel"), QStringLiteral("PDF/Excel:"),
                                     {QStringLiteral("PDF 1")}, 0);
    if (templ.isEmpty())
        return;
    ui->pdfExcelV->setText(templ);
    setCurrentPdfExcel(templ);
}

void Setting::languageGClickResponse(int)
{
    // Each list names the languages in the language now set.
    const QString language = currentLanguage();
    QStringList items;
    int current = 0;
    if (language.contains(QLatin1String("German"))) {
        items = QStringList{QStringLiteral("English(Englisch)"), QStringLiteral("Deutsch(Deutsch)"),
                 QStringLiteral("Français(Französisch)"), QStringLiteral("Español(Spanish)")};
        current = 1;
    } else if (language.contains(QLatin1String("French"))) {
        items = QStringList{QStringLiteral("English(Anglais)"), QStringLiteral("Deutsch(Allemand)"),
                 QStringLiteral("Français(Français)"), QStringLiteral("Español(Espagnol)")};
        current = 2;
    } else if (language.contains(QLatin1String("Spanish"))) {
        items = QStringList{QStringLiteral("English(Inglés)"), QStringLiteral("Deutsch(Alemán)"),
                 QStringLiteral("Français(Francés)"), QStringLiteral("Español(Español)")};
        current = 3;
    } else {
        items = QStringList{QStringLiteral("English(English)"), QStringLiteral("Deutsch(German)"),
                 QStringLiteral("Français(French)"), QStringLiteral("Español(Spanish)")};
    }

    const QString item = chooseItem(tr("语言"), tr("语言:(重启软件生效!)"), items, current);
    if (item.isEmpty())
        return;
    ui->languageV->setStyleSheet(QString::fromLatin1(settingValueStyle));
    ui->languageV->setText(item.left(item.indexOf(QLatin1Char('('))));

    // The notice speaks the chosen language; the choice applies at the next start.
    QString stored, title, text;
    if (item.contains(QLatin1String("English"))) {
        stored = QStringLiteral("English");
        title = QStringLiteral("Language(Language)");
        text = QStringLiteral("Restart the software to take effect!");
    } else if (item.contains(QLatin1String("Deutsch"))) {
        stored = QStringLiteral("German");
        title = QStringLiteral("Sprache(Language)");
        text = QStringLiteral("Inkrafttreten nach Neustart!");
    } else if (item.contains(QStringLiteral("Français"))) {
        stored = QStringLiteral("French");
        title = QStringLiteral("Langue(Language)");
        text = QStringLiteral("redémarrez le logiciel pour qu'il prenne effet!");
    } else if (item.contains(QStringLiteral("Español"))) {
        stored = QStringLiteral("Spanish");
        title = QStringLiteral("Idioma(Language)");
        text = QStringLiteral("¡Reiniciar software para que surta efecto!");
    } else {
        return;
    }
    setCurrentLanguage(stored);
    QMessageBox::information(this, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void Setting::folderPathGClickResponse(int)
{
    const QString path = QFileDialog::getExistingDirectory(
        this, tr("选择文件夹"), currentFolderPath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (path.isEmpty())
        return;
    ui->folderPathV->setText(path);
    ui->folderPathV->setToolTip(QDir::toNativeSeparators(path));
    setCurrentFolderPath(path);
}

void Setting::PDFPathGClickResponse(int)
{
    const QString path = QFileDialog::getExistingDirectory(
        this, tr("选择文件夹"), currentPdfPath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (path.isEmpty())
        return;
    ui->PDFPathV->setText(path);
    ui->PDFPathV->setToolTip(QDir::toNativeSeparators(path));
    setCurrentPdfPath(path);
}

QString Setting::manualFileName()
{
    return QStringLiteral("Software Manuals.pdf");
}

QStringList Setting::manualFolders()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    return {QDir::currentPath(), appDir,
            QDir::cleanPath(appDir + QStringLiteral("/../share/VELKThermalCamera"))};
}

QString Setting::findManual(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QFileInfo manual(QDir(folder), manualFileName());
        if (manual.isFile())
            return manual.absoluteFilePath();
    }
    return QString();
}

void Setting::softwareGClickResponse(int)
{
    // Started from another folder than its own, the program would not find
    // the manual by its bare name, so its own folder is searched as well.
    const QString manual = findManual(manualFolders());
    if (manual.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}
