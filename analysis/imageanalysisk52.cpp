#include "imageanalysisk52.h"

#include "analysisview.h"

#include <QVBoxLayout>
#include <QWidget>

ImageAnalysisK52::ImageAnalysisK52(QWidget *parent, QVBoxLayout *hostLayout, QString filePath)
    : QObject(parent)
    , page(parent)
    , layout(hostLayout)
    , path(std::move(filePath))
{
    // The host re-emits its configuration changes through our signal.
    connect(this, &ImageAnalysisK52::loadConfigAnalysisSignals, this, &ImageAnalysisK52::onConfigChanged);
}

ImageAnalysisK52::~ImageAnalysisK52() = default;

QWidget *ImageAnalysisK52::view() const
{
    // A view that another analysis closed is only waiting to be deleted.
    if (!layout || !currentView || layout->indexOf(currentView.data()) < 0)
        return nullptr;
    return currentView.data();
}

void ImageAnalysisK52::closeImageAnalysis()
{
    if (!layout)
        return;
    for (int i = layout->count() - 1; i >= 0; --i) {
        auto *old = qobject_cast<AnalysisView *>(layout->itemAt(i)->widget());
        if (!old)
            continue;
        layout->removeWidget(old);
        old->hide();
        // Later, not now: the view may be on the call stack (a click in it).
        old->deleteLater();
    }
    currentView.clear();
}

void ImageAnalysisK52::CreatImageAnalysis()
{
    if (!layout || !page)
        return;
    auto *view = new AnalysisView(path, page);
    layout->addWidget(view);
    view->show();
    currentView = view;
}

void ImageAnalysisK52::onConfigChanged(quint8 configType)
{
    // Language changes reach the view as a LanguageChange event.
    if ((configType == 1 || configType == 3) && currentView)
        currentView->reloadUnits();
}
