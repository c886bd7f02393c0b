#include "currentsettings.h"

#include "saveinfo.h"

#include <QStandardPaths>

SaveInfo *settingsStore = nullptr;

namespace {

const char *const settingGroup = "setting";

QString unitTemp;
QString unitDistence;
QString pdfExcel;
QString language;
QString folderPath;
QString pdfPath;

QString documentsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void store(QString &current, const char *key, const QString &value)
{
    if (settingsStore)
        settingsStore->writeInfo(settingGroup, key, value);
    current = value;
}

} // namespace

QString settingsFolderPath()
{
    return documentsPath() + QStringLiteral("/VELKThermal/SystemCON");
}

QString albumFolderPath()
{
    return documentsPath() + QStringLiteral("/VELKThermal/Users Files");
}

void initCurrentSettings(QObject *parent)
{
    settingsStore = new SaveInfo(parent, settingsFolderPath() + QStringLiteral("/IniFormat.ini"));
    const QString album = albumFolderPath();
    unitDistence = settingsStore->readInfo(settingGroup, "UnitDistence", "m");
    folderPath = settingsStore->readInfo(settingGroup, "folderPath", album);
    pdfPath = settingsStore->readInfo(settingGroup, "PDFPath", album);
    language = settingsStore->readInfo(settingGroup, "language", "English");
    pdfExcel = settingsStore->readInfo(settingGroup, "pdfExcel", "PDF 1");
    unitTemp = settingsStore->readInfo(settingGroup, "UnitTemp", QString(QChar(0x2103)));
}

QString &currentUnitTemp() { return unitTemp; }
QString &currentUnitDistence() { return unitDistence; }
QString &currentPdfExcel() { return pdfExcel; }
QString &currentLanguage() { return language; }
QString &currentFolderPath() { return folderPath; }
QString &currentPdfPath() { return pdfPath; }

void setCurrentUnitTemp(const QString &value) { store(unitTemp, "UnitTemp", value); }
void setCurrentUnitDistence(const QString &value) { store(unitDistence, "UnitDistence", value); }
void setCurrentPdfExcel(const QString &value) { store(pdfExcel, "pdfExcel", value); }
void setCurrentLanguage(const QString &value) { store(language, "language", value); }
void setCurrentFolderPath(const QString &value) { store(folderPath, "folderPath", value); }
void setCurrentPdfPath(const QString &value) { store(pdfPath, "PDFPath", value); }
