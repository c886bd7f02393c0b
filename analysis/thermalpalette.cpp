#include "thermalpalette.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Anchor
{
    double t;
    int r, g, b;
};

// Iron: black through violet and red to yellow and white.
const Anchor ironAnchors[] = {
    {0.00, 0, 0, 0},       {0.15, 32, 0, 96},     {0.35, 150, 0, 140},
    {0.55, 220, 60, 30},   {0.75, 250, 160, 0},   {0.90, 255, 225, 60},
    {1.00, 255, 255, 255},
};

// Rainbow: dark blue, blue, cyan, yellow, red, dark red.
const Anchor rainbowAnchors[] = {
    {0.000, 0, 0, 143},    {0.125, 0, 0, 255},    {0.375, 0, 255, 255},
    {0.625, 255, 255, 0},  {0.875, 255, 0, 0},    {1.000, 128, 0, 0},
};

const Anchor whiteHotAnchors[] = {{0.0, 0, 0, 0}, {1.0, 255, 255, 255}};
const Anchor blackHotAnchors[] = {{0.0, 255, 255, 255}, {1.0, 0, 0, 0}};

template <size_t N>
QRgb interpolate(const Anchor (&anchors)[N], double t)
{
    for (size_t i = 1; i < N; ++i) {
        if (t <= anchors[i].t) {
            const Anchor &a = anchors[i - 1];
            const Anchor &b = anchors[i];
            const double f = (t - a.t) / (b.t - a.t);
            return qRgb(qRound(a.r + (b.r - a.r) * f), qRound(a.g + (b.g - a.g) * f),
                        qRound(a.b + (b.b - a.b) * f));
        }
    }
    const Anchor &last = anchors[N - 1];
    return qRgb(last.r, last.g, last.b);
}

QVector<QRgb> buildTable(ThermalPalette::Kind kind)
{
    QVector<QRgb> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] = ThermalPalette::colourAt(kind, i / 255.0);
    return table;
}

} // namespace

QList<ThermalPalette::Kind> ThermalPalette::kinds()
{
    return {Iron, Rainbow, WhiteHot, BlackHot};
}

QString ThermalPalette::name(Kind kind)
{
    switch (kind) {
    case Iron:
        return QCoreApplication::translate("ImageAnalysisK52", "铁红");
    case Rainbow:
        return QCoreApplication::translate("ImageAnalysisK52", "彩虹");
    case WhiteHot:
        return QCoreApplication::translate("ImageAnalysisK52", "白热");
    case BlackHot:
        return QCoreApplication::translate("ImageAnalysisK52", "黑热");
    }
    return QString();
}

QRgb ThermalPalette::colourAt(Kind kind, double t)
{
    t = qBound(0.0, t, 1.0);
    switch (kind) {
    case Iron:
        return interpolate(ironAnchors, t);
    case Rainbow:
        return interpolate(rainbowAnchors, t);
    case WhiteHot:
        return interpolate(whiteHotAnchors, t);
    case BlackHot:
        return interpolate(blackHotAnchors, t);
    }
    return interpolate(ironAnchors, t);
}

const QVector<QRgb> &ThermalPalette::table(Kind kind)
{
    static const std::array<QVector<QRgb>, 4> tables = {
        buildTable(Iron), buildTable(Rainbow), buildTable(WhiteHot), buildTable(BlackHot)};
    const int index = int(kind);
    return tables[size_t(index >= 0 && index < 4 ? index : 0)];
}

int ThermalPalette::level(qint32 value, qint32 minimum, qint32 maximum)
{
    if (maximum <= minimum)
        return 0;
    // 64-bit: the span of two 32-bit values times 255 does not fit in 32 bits.
    const qint64 span = qint64(maximum) - minimum;
    const qint64 offset = qBound<qint64>(0, qint64(value) - minimum, span);
    return int((offset * 255 + span / 2) / span);
}

QRgb ThermalPalette::colour(Kind kind, qint32 value, qint32 minimum, qint32 maximum)
{
    return table(kind).at(level(value, minimum, maximum));
}

QImage ThermalPalette::render(const QVector<qint32> &raw, int width, int height,
                              qint32 minimum, qint32 maximum, Kind kind)
{
    if (width <= 0 || height <= 0 || raw.size() < width * height)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    const QVector<QRgb> &colours = table(kind);
    const qint32 *values = raw.constData();
    for (int y = 0; y < height; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = colours.at(level(values[y * width + x], minimum, maximum));
    }
    return image;
}
