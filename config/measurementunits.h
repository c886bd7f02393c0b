#ifndef MEASUREMENTUNITS_H
#define MEASUREMENTUNITS_H

#include <QString>

// Unit symbols as stored in the settings file.
namespace MeasurementUnits {
inline QString celsius() { return QString(QChar(0x2103)); }
inline QString fahrenheit() { return QString(QChar(0x2109)); }
inline QString kelvin() { return QStringLiteral("K"); }
inline QString metre() { return QStringLiteral("m"); }
inline QString foot() { return QStringLiteral("ft"); }
}

// 0 Celsius, 1 Fahrenheit, 2 kelvin; anything unknown counts as Celsius.
int tempUnitCode(const QString &symbol);

#endif // MEASUREMENTUNITS_H
