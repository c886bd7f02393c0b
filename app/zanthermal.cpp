#include "zanthermal.h"
#include "ui_zanthermal.h"

#include "currentsettings.h"
#include "devicechangelogic.h"
#include "devicewatcher.h"
#include "imagesys.h"
#include "imageanalysisk52.h"
#include "ondavi.h"
#include "setting.h"
#include "ttabwidget.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QTranslator>

ZanThermal::ZanThermal(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::ZanThermal)
    , translator(nullptr)
    , currentPageIndex(0)
    , suppressPageNotify(false)
    , deviceWatcher(nullptr)
{
    initCurrentSettings(this);
#ifndef Q_OS_WIN
    // The style sheets name Windows fonts; elsewhere a narrow Latin face
    // keeps the fixed-width labels readable, and a CJK face the Chinese texts.
    for (const QString &family : {QStringLiteral("PingFang SC"), QStringLiteral("SimSun")})
        QFont::insertSubstitutions(family, {QStringLiteral("DejaVu Sans Condensed"),
                                            QStringLiteral("WenQuanYi Micro Hei")});
#endif
    // Before the form exists, so every widget is built with translated texts.
    loadLanguage(currentLanguage());

    ui->setupUi(this);
    setWindowTitle(QStringLiteral("VELK Thermal Camera PC Software v") + QStringLiteral("1.1.11"));
#ifndef Q_OS_WIN
    // Windows takes the icon from the executable's resource; elsewhere the
    // window has to be told.
    setWindowIcon(QIcon(QStringLiteral(":/app/velk.png")));
#endif

    const QString userFolder = albumFolderPath();
    if (!QDir(userFolder).exists())
        QDir().mkpath(userFolder);

    ui->ZanMenuWidget->setCurrentIndex(0);

    connect(ui->ZanMenu, &tTabwidget::selectTabIndex, this, &ZanThermal::onTabSelected,
            Qt::DirectConnection);
    connect(ui->page_4, &Setting::changeLanguage, this, &ZanThermal::loadLanguage);
    connect(ui->page_4, &Setting::SignalsChangeConfig, this, &ZanThermal::onConfigChanged);
    connect(ui->page_1, &ImageSys::imageSysAnalysis, this, &ZanThermal::OpenUpdateImage);

    // Device notices are only recorded where they arrive; the pages react
    // in a later pass of the event loop.
    connect(this, &ZanThermal::USBStrongDiskSingnal, this, &ZanThermal::onDeviceEvent,
            Qt::QueuedConnection);
    deviceWatcher = DeviceWatcher::create(this);
    connect(deviceWatcher, &DeviceWatcher::notice, this, &ZanThermal::onDeviceNotice,
            Qt::DirectConnection);
    deviceWatcher->start();
    // Where no device events reach us (no udevd, a lost netlink burst), the
    // live page's Refresh is the moment to look at the devices again.
    if (auto *refresh = ui->page_2->findChild<QAbstractButton *>(QStringLiteral("Refresh")))
        connect(refresh, &QAbstractButton::clicked, deviceWatcher, &DeviceWatcher::rescan);
}

ZanThermal::~ZanThermal()
{
    delete ui;
}

QString ZanThermal::languageFile(const QString &language)
{
    QString file;
    if (language.contains(QLatin1String("German")))
        file = QStringLiteral("Main_de.qm");
    else if (language.contains(QLatin1String("French")))
        file = QStringLiteral("Main_fr.qm");
    else if (language.contains(QLatin1String("Spanish")))
        file = QStringLiteral("Main_es.qm");
    else
        file = QStringLiteral("Main_en.qm");
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zantranslation/main/") + file;
}

void ZanThermal::loadLanguage(QString language)
{
    translator = new QTranslator(this);
    translator->load(languageFile(language));
    QCoreApplication::installTranslator(translator);
}

void ZanThermal::OpenUpdateImage(QString t, QString devType)
{
    if (devType == QLatin1String("Q4815")) {
        // The page owns the object; earlier ones stay connected.
        auto *analysis = new ImageAnalysisK52(ui->page_3, ui->xxxxx, t);
        connect(this, SIGNAL(loadConfigAnalysisSignals(quint8)), analysis,
                SIGNAL(loadConfigAnalysisSignals(quint8)));
        analysis->closeImageAnalysis();
        analysis->CreatImageAnalysis();
    }
    ui->ZanMenuWidget->setCurrentIndex(2);
    ui->ZanMenu->selectTabwidget(2);
}

void ZanThermal::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
}

void ZanThermal::onTabSelected(int index)
{
    ui->ZanMenuWidget->setCurrentIndex(index);
    if (suppressPageNotify)
        suppressPageNotify = false;
    else
        ui->page_1->CurrentIndex(index);
    currentPageIndex = index;
}

void ZanThermal::onConfigChanged(qint8 configType)
{
    if (configType != 1 && configType != 2 && configType != 3)
        return;
    if (configType == 2)
        loadLanguage(currentLanguage());
    emit loadConfigAnalysisSignals(quint8(configType));
}

void ZanThermal::onDeviceNotice(const DeviceNotice &notice)
{
    const QVector<DeviceEvent> events = DeviceChangeLogic().process(notice, pendingDeviceType);
    for (const DeviceEvent &event : events)
        emit USBStrongDiskSingnal(event.code, event.deviceType);
}

void ZanThermal::onDeviceEvent(qint8 type, QString deviceType)
{
    switch (type) {
    case 1:
        if (currentPageIndex != 0) {
            // The tab bar's notice to the archive page is skipped: it gets
            // folderInit_K41 instead.
            suppressPageNotify = true;
            ui->ZanMenu->selectTabwidget(0);
            ui->ZanMenuWidget->setCurrentIndex(0);
        }
        ui->page_1->folderInit_K41(1, deviceType);
        break;
    case 2:
        if (currentPageIndex != 1) {
            suppressPageNotify = true;
            ui->ZanMenu->selectTabwidget(1);
            ui->ZanMenuWidget->setCurrentIndex(1);
        }
        ui->page_2->UVCInit_K41(2, deviceType);
        break;
    case 3:
        ui->page_1->folderInit_K41(3, deviceType);
        break;
    case 4:
        ui->page_2->UVCInit_K41(4, deviceType);
        break;
    default:
        break;
    }
}
