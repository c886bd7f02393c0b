#ifndef REPORTWRITER_H
#define REPORTWRITER_H

#include "imageanalysisk52_global.h"
#include "thermalframe.h"
#include "thermalpalette.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

// What leaves the analysis: the palette picture as PNG, the raw frame as
// CSV and the one-page PDF report. Also the texts that the view and the
// report share, so both say the same.
class IMAGEANALYSISK52_EXPORT ReportWriter
{
public:
    // Palette picture enlarged `scale` times with its markers, and the
    // colour bar with the frame's minimum and maximum beside it.
    static QImage thermalPicture(const ThermalFrame &frame, ThermalPalette::Kind kind, int scale = 2);

    static bool writePng(const QString &path, const ThermalFrame &frame, ThermalPalette::Kind kind);
    // Height lines of Width raw values, comma-separated, row by row.
    static bool writeCsv(const QString &path, const ThermalFrame &frame);

    // A report path in folder named after the picture that does not exist
    // yet: name.pdf, else name_1.pdf, name_2.pdf, ...
    static QString reportPath(const QString &folder, const QString &picturePath);
    // Writes the report for templateName (only "PDF 1" exists; any other
    // value gets it too) into folder, created when missing. Returns the
    // file written, or an empty text when nothing could be written.
    static QString writePdf(const ThermalFrame &frame, ThermalPalette::Kind kind,
                            const QString &folder, const QString &templateName);

    static QString captureTimeText(qint64 captureTimeMs);
    // Label and value of each detail; the remark only when asked for.
    static QList<QPair<QString, QString>> detailRows(const ThermalFrame &frame, bool withRemark);
    // Says the values are raw and shows the chosen units, which do not apply.
    static QString rawValueNote(const QString &unitTemp, const QString &unitDistence);
};

#endif // REPORTWRITER_H
