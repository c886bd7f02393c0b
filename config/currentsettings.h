#ifndef CURRENTSETTINGS_H
#define CURRENTSETTINGS_H

#include <QString>

class QObject;
class SaveInfo;

// The six settings every page reads, loaded once at start-up.
// The setters write the settings file too.

extern SaveInfo *settingsStore;

void initCurrentSettings(QObject *parent);

// Path of the settings folder and of the album folder under Documents.
QString settingsFolderPath();
QString albumFolderPath();

QString &currentUnitTemp();
QString &currentUnitDistence();
QString &currentPdfExcel();
QString &currentLanguage();
QString &currentFolderPath();
QString &currentPdfPath();

void setCurrentUnitTemp(const QString &value);
void setCurrentUnitDistence(const QString &value);
void setCurrentPdfExcel(const QString &value);
void setCurrentLanguage(const QString &value);
void setCurrentFolderPath(const QString &value);
void setCurrentPdfPath(const QString &value);

#endif // CURRENTSETTINGS_H
