#ifndef ANALYSISSETTINGS_H
#define ANALYSISSETTINGS_H

#include "imageanalysisk52_global.h"

#include <QString>

// The program's settings that the analysis uses, read (never written) from
// the program's settings file each time they are asked for, so a change made
// on the settings page is seen at once.
class IMAGEANALYSISK52_EXPORT AnalysisSettings
{
public:
    static QString settingsFile();
    static QString unitTemp();      // "UnitTemp", default the degree Celsius sign
    static QString unitDistence();  // "UnitDistence", default "m"
    static QString pdfPath();       // "PDFPath", default the album folder
    static QString pdfExcel();      // "pdfExcel", default "PDF 1"

private:
    static QString value(const char *key, const QString &defaultValue);
};

#endif // ANALYSISSETTINGS_H
