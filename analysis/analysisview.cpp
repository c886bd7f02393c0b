#include "analysisview.h"

#include "analysissettings.h"
#include "colourbar.h"
#include "reportwriter.h"
#include "thermalimagewidget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const viewStyle =
    "AnalysisView{background-color: #FFFFFF;}\n"
    "QLabel{font-family: PingFang SC; font-size: 14px; color: #333333;}\n"
    "QLabel#unitNote{color: #999999;}\n"
    "QPushButton{font-family: PingFang SC; font-size: 14px; color: #333333;"
    " background-color: #F8F8F8; border: 1px solid #ECECEC; padding: 4px 12px;}\n"
    "QPushButton:hover{background-color: #ECECEC;}";

} // namespace

AnalysisView::AnalysisView(const QString &path, QWidget *parent)
    : QWidget(parent)
    , thermalFrame(ThermalFrame::load(path))
{
    setObjectName(QStringLiteral("analysisView"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(viewStyle));
    unitTemp = AnalysisSettings::unitTemp();
    unitDistence = AnalysisSettings::unitDistence();
    if (thermalFrame.isValid())
        buildAnalysis();
    else
        buildMessage();
    retranslate();
}

void AnalysisView::buildMessage()
{
    auto *layout = new QVBoxLayout(this);
    message = new QLabel(this);
    message->setObjectName(QStringLiteral("analysisMessage"));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(message);
}

void AnalysisView::buildAnalysis()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);

    auto *tools = new QHBoxLayout;
    paletteLabel = new QLabel(this);
    paletteBox = new QComboBox(this);
    paletteBox->setObjectName(QStringLiteral("paletteBox"));
    for (ThermalPalette::Kind each : ThermalPalette::kinds())
        paletteBox->addItem(QString(), int(each));
    pngButton = new QPushButton(this);
    pngButton->setObjectName(QStringLiteral("exportPng"));
    csvButton = new QPushButton(this);
    csvButton->setObjectName(QStringLiteral("exportCsv"));
    pdfButton = new QPushButton(this);
    pdfButton->setObjectName(QStringLiteral("exportPdf"));
    tools->addWidget(paletteLabel);
    tools->addWidget(paletteBox);
    tools->addStretch(1);
    tools->addWidget(pngButton);
    tools->addWidget(csvButton);
    tools->addWidget(pdfButton);
    layout->addLayout(tools);

    auto *body = new QHBoxLayout;
    image = new ThermalImageWidget(this);
    image->setObjectName(QStringLiteral("thermalImage"));
    colourBar = new ColourBar(this);
    colourBar->setObjectName(QStringLiteral("colourBar"));
    colourBar->setRange(thermalFrame.minimum, thermalFrame.maximum);
    body->addWidget(image, 1);
    body->addWidget(colourBar);

    auto *side = new QVBoxLayout;
    photo = new QLabel(this);
    photo->setObjectName(QStringLiteral("photo"));
    photo->setFixedSize(ThermalFrame::Width, ThermalFrame::Height);
    photo->setAlignment(Qt::AlignCenter);
    if (!thermalFrame.photo.isNull())
        photo->setPixmap(QPixmap::fromImage(thermalFrame.photo.scaled(
            photo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    side->addWidget(photo);
    details = new QFormLayout;
    details->setLabelAlignment(Qt::AlignLeft);
    side->addLayout(details);
    side->addStretch(1);
    body->addLayout(side);
    layout->addLayout(body, 1);

    readout = new QLabel(this);
    readout->setObjectName(QStringLiteral("readout"));
    unitNote = new QLabel(this);
    unitNote->setObjectName(QStringLiteral("unitNote"));
    unitNote->setWordWrap(true);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("status"));
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(readout);
    layout->addWidget(unitNote);
    layout->addWidget(status);

    connect(paletteBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        setPaletteKind(ThermalPalette::Kind(paletteBox->itemData(index).toInt()));
    });
    connect(image, &ThermalImageWidget::pixelHovered, this, &AnalysisView::showPixel);
    connect(image, &ThermalImageWidget::pointerLeft, this, &AnalysisView::clearReadout);
    connect(pngButton, &QPushButton::clicked, this, [this] { choosePathAndExport(true); });
    connect(csvButton, &QPushButton::clicked, this, [this] { choosePathAndExport(false); });
    connect(pdfButton, &QPushButton::clicked, this, &AnalysisView::createReport);
    setPaletteKind(kind);
}

void AnalysisView::setPaletteKind(ThermalPalette::Kind value)
{
    kind = value;
    if (!thermalFrame.isValid())
        return;
    const int index = paletteBox->findData(int(kind));
    if (index != paletteBox->currentIndex())
        paletteBox->setCurrentIndex(index);
    image->setPicture(ThermalPalette::render(thermalFrame.raw, ThermalFrame::Width, ThermalFrame::Height,
                                             thermalFrame.minimum, thermalFrame.maximum, kind),
                      thermalFrame.hottest, thermalFrame.coldest);
    colourBar->setPaletteKind(kind);
}

void AnalysisView::retranslate()
{
    const QString fileName = QDir::toNativeSeparators(thermalFrame.path);
    if (message) {
        if (thermalFrame.status == ThermalFrame::AllZero)
            message->setText(QCoreApplication::translate("ImageAnalysisK52", "此照片的红外数据全为零，无法分析。\n%1").arg(fileName));
        else
            message->setText(QCoreApplication::translate("ImageAnalysisK52", "无法读取此文件，或它不是热像仪拍摄的照片。\n%1").arg(fileName));
        return;
    }
    paletteLabel->setText(QCoreApplication::translate("ImageAnalysisK52", "色板"));
    for (int i = 0; i < paletteBox->count(); ++i)
        paletteBox->setItemText(i, ThermalPalette::name(ThermalPalette::Kind(paletteBox->itemData(i).toInt())));
    pngButton->setText(QCoreApplication::translate("ImageAnalysisK52", "导出 PNG"));
    csvButton->setText(QCoreApplication::translate("ImageAnalysisK52", "导出 CSV"));
    pdfButton->setText(QCoreApplication::translate("ImageAnalysisK52", "PDF 报告"));
    photo->setText(thermalFrame.photo.isNull() ? QCoreApplication::translate("ImageAnalysisK52", "没有可见光照片") : QString());

    while (details->rowCount() > 0)
        details->removeRow(0);
    for (const auto &row : ReportWriter::detailRows(thermalFrame, true)) {
        auto *value = new QLabel(row.second, this);
        value->setWordWrap(true);
        value->setMaximumWidth(ThermalFrame::Width - 100);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        details->addRow(row.first, value);
    }
    reloadUnits();
    if (hoveredPixel.x() < 0)
        clearReadout();
    else
        showPixel(hoveredPixel);
}

void AnalysisView::reloadUnits()
{
    unitTemp = AnalysisSettings::unitTemp();
    unitDistence = AnalysisSettings::unitDistence();
    if (unitNote)
        unitNote->setText(ReportWriter::rawValueNote(unitTemp, unitDistence));
}

void AnalysisView::showPixel(const QPoint &pixel)
{
    hoveredPixel = pixel;
    readout->setText(QCoreApplication::translate("ImageAnalysisK52", "x %1, y %2：原始值 %3")
                         .arg(pixel.x()).arg(pixel.y()).arg(thermalFrame.valueAt(pixel)));
}

void AnalysisView::clearReadout()
{
    hoveredPixel = QPoint(-1, -1);
    readout->setText(QCoreApplication::translate("ImageAnalysisK52", "把鼠标移到图像上可查看该点的原始值"));
}

bool AnalysisView::exportPng(const QString &path) const
{
    return ReportWriter::writePng(path, thermalFrame, kind);
}

bool AnalysisView::exportCsv(const QString &path) const
{
    return ReportWriter::writeCsv(path, thermalFrame);
}

QString AnalysisView::writeReport() const
{
    return ReportWriter::writePdf(thermalFrame, kind, AnalysisSettings::pdfPath(),
                                  AnalysisSettings::pdfExcel());
}

QString AnalysisView::defaultExportPath(const QString &suffix) const
{
    return QDir(AnalysisSettings::pdfPath())
        .filePath(QFileInfo(thermalFrame.path).completeBaseName() + suffix);
}

void AnalysisView::choosePathAndExport(bool png)
{
    const QString path = QFileDialog::getSaveFileName(
        this, png ? QCoreApplication::translate("ImageAnalysisK52", "导出 PNG") : QCoreApplication::translate("ImageAnalysisK52", "导出 CSV"),
        defaultExportPath(png ? QStringLiteral(".png") : QStringLiteral(".csv")),
        png ? QStringLiteral("PNG (*.png)") : QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    const bool written = png ? exportPng(path) : exportCsv(path);
    if (written)
        status->setText(QCoreApplication::translate("ImageAnalysisK52", "已保存：%1").arg(QDir::toNativeSeparators(path)));
    else
        QMessageBox::critical(this, QCoreApplication::translate("ImageAnalysisK52", "照片/影片分析"),
                              QCoreApplication::translate("ImageAnalysisK52", "无法保存文件：%1").arg(QDir::toNativeSeparators(path)));
}

void AnalysisView::createReport()
{
    const QString path = writeReport();
    if (!path.isEmpty())
        status->setText(QCoreApplication::translate("ImageAnalysisK52", "已保存：%1").arg(QDir::toNativeSeparators(path)));
    else
        QMessageBox::critical(this, QCoreApplication::translate("ImageAnalysisK52", "照片/影片分析"),
                              QCoreApplication::translate("ImageAnalysisK52", "无法在此文件夹中保存报告：%1")
                                  .arg(QDir::toNativeSeparators(AnalysisSettings::pdfPath())));
}

void AnalysisView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
