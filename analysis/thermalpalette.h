#ifndef THERMALPALETTE_H
#define THERMALPALETTE_H

#include "imageanalysisk52_global.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
#include <QVector>

// False-colour palettes for raw infrared frames. Each palette is a table of
// 256 colours from cold (0) to hot (255), computed from a few anchor colours.
class IMAGEANALYSISK52_EXPORT ThermalPalette
{
public:
    enum Kind { Iron, Rainbow, WhiteHot, BlackHot };

    static QList<Kind> kinds();
    // Shown to the user, translated.
    static QString name(Kind kind);

    // Colour at position t of the palette, 0 cold .. 1 hot (clamped).
    static QRgb colourAt(Kind kind, double t);
    static const QVector<QRgb> &table(Kind kind);

    // Table index of a raw value within [minimum, maximum], rounded; values
    // outside are clamped. A frame without contrast (minimum == maximum)
    // maps to 0.
    static int level(qint32 value, qint32 minimum, qint32 maximum);
    static QRgb colour(Kind kind, qint32 value, qint32 minimum, qint32 maximum);

    // The raw values (width x height, row by row) as a picture.
    static QImage render(const QVector<qint32> &raw, int width, int height,
                         qint32 minimum, qint32 maximum, Kind kind);
};

#endif // THERMALPALETTE_H
