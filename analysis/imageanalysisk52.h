#ifndef IMAGEANALYSISK52_H
#define IMAGEANALYSISK52_H

#include "imageanalysisk52_global.h"

#include <QObject>
#include <QPointer>
#include <QString>

class AnalysisView;
class QVBoxLayout;
class QWidget;

// One analysis of one file, shown in a layout that the host gives. The
// object belongs to the host's page (its parent widget) and stays alive and
// connected after a later analysis has replaced its view.
class IMAGEANALYSISK52_EXPORT ImageAnalysisK52 : public QObject
{
    Q_OBJECT

public:
    ImageAnalysisK52(QWidget *parent, QVBoxLayout *layout, QString path);
    ~ImageAnalysisK52() override;

    // Removes every analysis view from the layout, whichever object made it.
    void closeImageAnalysis();
    // Shows the analysis of the file in the layout.
    void CreatImageAnalysis();

    QString filePath() const { return path; }
    // The view this object shows; null before CreatImageAnalysis and after
    // the view was closed or replaced.
    QWidget *view() const;

signals:
    // Configuration change codes: 1 temperature unit, 2 language, 3 distance
    // unit.
    void loadConfigAnalysisSignals(quint8 configType);

private:
    void onConfigChanged(quint8 configType);

    QPointer<QWidget> page;
    QPointer<QVBoxLayout> layout;
    QString path;
    QPointer<AnalysisView> currentView;
};

#endif // IMAGEANALYSISK52_H
