#include "reportwriter.h"

#include "analysissettings.h"
#include "colourbar.h"
#include "thermalimagewidget.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

QString yesNo(bool value)
{
    return value ? QCoreApplication::translate("ImageAnalysisK52", "有")
                 : QCoreApplication::translate("ImageAnalysisK52", "无");
}

QString pointText(const QPoint &pixel, qint32 value)
{
    return QStringLiteral("x %1, y %2: %3").arg(pixel.x()).arg(pixel.y()).arg(value);
}

// Draws image scaled into box (aspect kept, top-left aligned); returns the
// height used.
int drawFitted(QPainter &painter, const QImage &image, const QRect &box)
{
    if (image.isNull() || box.isEmpty())
        return 0;
    const QSize size = image.size().scaled(box.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(box.topLeft(), size), image);
    return size.height();
}

int drawTextBlock(QPainter &painter, const QRect &box, const QString &text, int flags = 0)
{
    const QRect used = painter.boundingRect(box, Qt::TextWordWrap | flags, text);
    painter.drawText(box, Qt::TextWordWrap | flags, text);
    return used.height();
}

} // namespace

QImage ReportWriter::thermalPicture(const ThermalFrame &frame, ThermalPalette::Kind kind, int scale)
{
    if (!frame.isValid())
        return QImage();
    scale = qMax(1, scale);
    const QImage palette = ThermalPalette::render(frame.raw, ThermalFrame::Width, ThermalFrame::Height,
                                                  frame.minimum, frame.maximum, kind);
    const QSize pictureSize(ThermalFrame::Width * scale, ThermalFrame::Height * scale);
    const int barWidth = 40 + 30 * scale;
    QImage out(pictureSize.width() + barWidth, pictureSize.height(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    QFont font = painter.font();
    font.setPixelSize(6 + 4 * scale);
    painter.setFont(font);
    const QRect target(QPoint(0, 0), pictureSize);
    painter.drawImage(target, palette);
    ThermalImageWidget::paintMarkers(painter, target, palette.size(), frame.hottest, frame.coldest);
    ColourBar::paint(painter, QRect(pictureSize.width() + 8, 0, barWidth - 8, pictureSize.height()),
                     kind, frame.minimum, frame.maximum);
    return out;
}

bool ReportWriter::writePng(const QString &path, const ThermalFrame &frame, ThermalPalette::Kind kind)
{
    const QImage picture = thermalPicture(frame, kind);
    if (picture.isNull())
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
}

bool ReportWriter::writeCsv(const QString &path, const ThermalFrame &frame)
{
    if (!frame.isValid())
        return false;
    QByteArray text;
    text.reserve(frame.raw.size() * 6);
    for (int y = 0; y < ThermalFrame::Height; ++y) {
        for (int x = 0; x < ThermalFrame::Width; ++x) {
            if (x > 0)
                text.append(',');
            text.append(QByteArray::number(frame.raw.at(y * ThermalFrame::Width + x)));
        }
        text.append('\n');
    }
    // Written whole or not at all: a half-written table would look complete.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

QString ReportWriter::reportPath(const QString &folder, const QString &picturePath)
{
    QString name = QFileInfo(picturePath).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("report");
    const QDir dir(folder);
    QString candidate = dir.filePath(name + QStringLiteral(".pdf"));
    for (int number = 1; QFileInfo::exists(candidate); ++number)
        candidate = dir.filePath(QStringLiteral("%1_%2.pdf").arg(name).arg(number));
    return candidate;
}

QString ReportWriter::captureTimeText(qint64 captureTimeMs)
{
    return QDateTime::fromMSecsSinceEpoch(captureTimeMs, Qt::UTC)
               .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        + QStringLiteral(" UTC");
}

QList<QPair<QString, QString>> ReportWriter::detailRows(const ThermalFrame &frame, bool withRemark)
{
    QList<QPair<QString, QString>> rows;
    const auto add = [&rows](const char *label, const QString &value) {
        rows.append({QCoreApplication::translate("ImageAnalysisK52", label), value});
    };
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "相机型号"), frame.cameraType);
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "拍摄时间"), captureTimeText(frame.captureTimeMs));
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "分辨率"), frame.resolution);
    if (withRemark)
        add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "备注"), frame.remark);
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "语音备注"), yesNo(frame.soundNote));
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "二维码"), yesNo(frame.qrText));
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "原始值范围"),
        QStringLiteral("%1 – %2").arg(frame.minimum).arg(frame.maximum));
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "最高点"), pointText(frame.hottest, frame.maximum));
    add(QT_TRANSLATE_NOOP("ImageAnalysisK52", "最低点"), pointText(frame.coldest, frame.minimum));
    return rows;
}

QString ReportWriter::rawValueNote(const QString &unitTemp, const QString &unitDistence)
{
    return QCoreApplication::translate(
               "ImageAnalysisK52",
               "数值为相机的原始值，未经校准，不是温度（温度单位 %1、距离单位 %2 不适用）。")
        .arg(unitTemp, unitDistence);
}

QString ReportWriter::writePdf(const ThermalFrame &frame, ThermalPalette::Kind kind,
                               const QString &folder, const QString &templateName)
{
    Q_UNUSED(templateName) // "PDF 1" is the only template
    if (!frame.isValid() || folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    const QString path = reportPath(folder, frame.path);
    const QString title = QCoreApplication::translate("ImageAnalysisK52", "热像分析报告");

    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(150);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("ImageAnalysisK52"));

    QPainter painter;
    if (!painter.begin(&writer)) {
        QFile::remove(path);
        return QString();
    }
    const int width = writer.width();
    const int height = writer.height();
    const int gap = 20;
    int y = 0;

    QFont font(QStringLiteral("PingFang SC"));
    font.setPointSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x33, 0x33, 0x33));
    y += drawTextBlock(painter, QRect(0, y, width, height), title) + gap;

    font.setPointSize(10);
    font.setBold(false);
    painter.setFont(font);
    const QString fileLine = QCoreApplication::translate("ImageAnalysisK52", "文件：%1")
                                 .arg(QFileInfo(frame.path).fileName());
    const QString timeLine = QCoreApplication::translate("ImageAnalysisK52", "拍摄时间：%1")
                                 .arg(captureTimeText(frame.captureTimeMs));
    y += drawTextBlock(painter, QRect(0, y, width, height - y), fileLine + QLatin1Char('\n') + timeLine)
        + gap;

    y += drawFitted(painter, thermalPicture(frame, kind, 3), QRect(0, y, width, height / 2)) + gap;

    // Photo on the left, details on the right.
    const int half = (width - gap) / 2;
    const int photoHeight = drawFitted(painter, frame.photo, QRect(0, y, half, height / 4));
    QString details;
    for (const auto &row : detailRows(frame, false))
        details += row.first + QStringLiteral("：") + row.second + QLatin1Char('\n');
    const int detailsHeight = drawTextBlock(painter, QRect(half + gap, y, width - half - gap, height - y),
                                            details.trimmed());
    y += qMax(photoHeight, detailsHeight) + gap;

    const QString remark = QCoreApplication::translate("ImageAnalysisK52", "备注：%1").arg(frame.remark);
    y += drawTextBlock(painter, QRect(0, y, width, height - y), remark) + gap;
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(QColor(0x99, 0x99, 0x99));
    drawTextBlock(painter, QRect(0, y, width, height - y),
                  rawValueNote(AnalysisSettings::unitTemp(), AnalysisSettings::unitDistence()));

    if (!painter.end() || QFileInfo(path).size() == 0) {
        QFile::remove(path);
        return QString();
    }
    return path;
}
