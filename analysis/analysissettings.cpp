#include "analysissettings.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

QString documentsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

QString AnalysisSettings::settingsFile()
{
    return documentsPath() + QStringLiteral("/VELKThermal/SystemCON/IniFormat.ini");
}

QString AnalysisSettings::value(const char *key, const QString &defaultValue)
{
    // A QSettings on the same file in the same process shares the program's
    // unsaved changes, so a unit chosen a moment ago is already seen here.
    QSettings settings(settingsFile(), QSettings::IniFormat);
    const QString stored = settings.value(QStringLiteral("setting/") + QLatin1String(key)).toString();
    // An empty value would put reports into the working folder or show no
    // unit at all: treat it as unset.
    return stored.isEmpty() ? defaultValue : stored;
}

QString AnalysisSettings::unitTemp()
{
    return value("UnitTemp", QString(QChar(0x2103)));
}

QString AnalysisSettings::unitDistence()
{
    return value("UnitDistence", QStringLiteral("m"));
}

QString AnalysisSettings::pdfPath()
{
    return value("PDFPath", documentsPath() + QStringLiteral("/VELKThermal/Users Files"));
}

QString AnalysisSettings::pdfExcel()
{
    return value("pdfExcel", QStringLiteral("PDF 1"));
}
