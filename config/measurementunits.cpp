#include "measurementunits.h"

int tempUnitCode(const QString &symbol)
{
    if (symbol == MeasurementUnits::kelvin())
        return 2;
    if (symbol == MeasurementUnits::fahrenheit())
        return 1;
    return 0;
}
