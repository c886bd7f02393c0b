#ifndef ANALYSISVIEW_H
#define ANALYSISVIEW_H

#include "imageanalysisk52_global.h"
#include "thermalframe.h"
#include "thermalpalette.h"

#include <QWidget>

class ColourBar;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class ThermalImageWidget;

// The analysis of one camera picture: the palette picture with its colour
// bar and markers, the raw value under the mouse, the visible photo, the
// details and the exports. A file that cannot be analysed shows a message
// instead.
class IMAGEANALYSISK52_EXPORT AnalysisView : public QWidget
{
    Q_OBJECT

public:
    explicit AnalysisView(const QString &path, QWidget *parent = nullptr);

    const ThermalFrame &frame() const { return thermalFrame; }
    ThermalPalette::Kind paletteKind() const { return kind; }
    void setPaletteKind(ThermalPalette::Kind value);

    // Re-reads the unit settings and refreshes the texts that show them.
    void reloadUnits();

    // The exports behind the buttons, without asking for a path.
    bool exportPng(const QString &path) const;
    bool exportCsv(const QString &path) const;
    // Written into the report folder of the settings; empty on failure.
    QString writeReport() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildAnalysis();
    void buildMessage();
    void retranslate();
    void showPixel(const QPoint &pixel);
    void clearReadout();
    void choosePathAndExport(bool png);
    void createReport();
    QString defaultExportPath(const QString &suffix) const;

    ThermalFrame thermalFrame;
    ThermalPalette::Kind kind = ThermalPalette::Iron;
    QString unitTemp;
    QString unitDistence;
    QPoint hoveredPixel{-1, -1};

    QLabel *message = nullptr;
    QLabel *paletteLabel = nullptr;
    QComboBox *paletteBox = nullptr;
    QPushButton *pngButton = nullptr;
    QPushButton *csvButton = nullptr;
    QPushButton *pdfButton = nullptr;
    ThermalImageWidget *image = nullptr;
    ColourBar *colourBar = nullptr;
    QLabel *photo = nullptr;
    QFormLayout *details = nullptr;
    QLabel *readout = nullptr;
    QLabel *unitNote = nullptr;
    QLabel *status = nullptr;
};

#endif // ANALYSISVIEW_H
