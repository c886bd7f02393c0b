#ifndef THERMALFRAME_H
#define THERMALFRAME_H

#include "imageanalysisk52_global.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QVector>

// Everything the analysis shows of one camera picture: the raw infrared
// frame with its extremes, the visible photo and the recorded details.
// The camera stores raw sensor values without a calibration, so no
// temperature is derived from them.
class IMAGEANALYSISK52_EXPORT ThermalFrame
{
public:
    enum Status {
        Ok,
        Unreadable,   // cannot be opened, or too short to hold a frame
        AllZero       // the frame holds only zeros: nothing to analyse
    };

    static constexpr int Width = 320;
    static constexpr int Height = 240;

    static ThermalFrame load(const QString &path);
    // A frame of Width x Height raw values, row by row (for tests and tools);
    // any other count gives an Unreadable frame.
    static ThermalFrame fromRaw(const QVector<qint32> &raw);

    Status status = Unreadable;
    QString path;
    QVector<qint32> raw;
    qint32 minimum = 0;
    qint32 maximum = 0;
    QPoint coldest; // first pixel, row by row, holding the minimum
    QPoint hottest; // first pixel, row by row, holding the maximum

    QImage photo;
    QString cameraType;
    qint64 captureTimeMs = 0;
    QString resolution;
    QString remark;
    bool soundNote = false;
    bool qrText = false;

    bool isValid() const { return status == Ok; }
    bool contains(const QPoint &pixel) const;
    qint32 valueAt(const QPoint &pixel) const;

private:
    void findExtremes();
};

#endif // THERMALFRAME_H
