#ifndef COLOURBAR_H
#define COLOURBAR_H

#include "imageanalysisk52_global.h"
#include "thermalpalette.h"

#include <QWidget>

class QPainter;

// The palette as a vertical bar, hot at the top, labelled with the frame's
// maximum and minimum raw values.
class IMAGEANALYSISK52_EXPORT ColourBar : public QWidget
{
    Q_OBJECT

public:
    explicit ColourBar(QWidget *parent = nullptr);

    void setPaletteKind(ThermalPalette::Kind kind);
    void setRange(qint32 minimum, qint32 maximum);

    QSize sizeHint() const override;

    // Draws a labelled bar into area; the report uses it too.
    static void paint(QPainter &painter, const QRect &area, ThermalPalette::Kind kind,
                      qint32 minimum, qint32 maximum);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ThermalPalette::Kind kind = ThermalPalette::Iron;
    qint32 minimum = 0;
    qint32 maximum = 0;
};

#endif // COLOURBAR_H
