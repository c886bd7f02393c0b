#include "thumbnailmaker.h"

#include "camerafilereader.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <opencv2/core.hpp>
#include <opencv2/videoio.hpp>

#include <utility>

namespace {

const char *const SpeakerMark = ":images/Album/speaker.png";
const char *const QrCodeMark = ":images/Album/qrcode.png";
const char *const VideoMark = ":images/Album/video.png";

QImage transparentCanvas(const QImage &scaled)
{
    QImage canvas(scaled.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(canvas.rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, scaled);
    return canvas;
}

void drawMark(QImage &canvas, const char *mark)
{
    QPainter painter(&canvas);
    painter.drawImage(0, 0, QImage(QString::fromLatin1(mark)));
}

QImage matToImage(const cv::Mat &frame)
{
    if (frame.empty())
        return QImage();
    const int width = frame.cols;
    const int height = frame.rows;
    const int stride = int(frame.step);
    switch (frame.type()) {
    case CV_8UC1:
        return QImage(frame.data, width, height, stride, QImage::Format_Grayscale8).copy();
    case CV_8UC3:
        // The frame's channels run blue, green, red.
        return QImage(frame.data, width, height, stride, QImage::Format_RGB888).rgbSwapped();
    case CV_8UC4:
        return QImage(frame.data, width, height, stride, QImage::Format_ARGB32).copy();
    default:
        return QImage();
    }
}

} // namespace

QPixmap ThumbnailMaker::create(const QString &pathName, qint8 flag)
{
    return flag == 2 ? video(pathName) : picture(pathName);
}

QPixmap ThumbnailMaker::placeholder()
{
    return QPixmap(QStringLiteral(":/images/im_tpqs.png"));
}

QSize ThumbnailMaker::fittedSize(const QSize &size)
{
    return size.scaled(MaxWidth, MaxHeight, Qt::KeepAspectRatio);
}

QPixmap ThumbnailMaker::picture(const QString &pathName)
{
    // One open serves both the decoding and the tests for the marks.
    QFile file(pathName);
    if (!file.open(QIODevice::ReadOnly))
        return placeholder();

    // Decoding at the final size spares decoding the full picture; the
    // JPEG reader scales smoothly, as scaling afterwards would.
    QImage scaled;
    {
        QImageReader reader(&file);
        const QSize fullSize = reader.size();
        if (fullSize.isValid()) {
            reader.setScaledSize(fittedSize(fullSize));
            scaled = reader.read();
        }
    }
    // A file that opens but does not decode shows the placeholder too, not
    // an empty icon.
    if (scaled.isNull())
        return placeholder();

    QImage canvas = transparentCanvas(scaled);
    if (CameraFileReader::hasSoundNote(file))
        drawMark(canvas, SpeakerMark);
    if (CameraFileReader::hasQrText(file, CameraPicture))
        drawMark(canvas, QrCodeMark);
    file.close();
    return QPixmap::fromImage(std::move(canvas));
}

QImage ThumbnailMaker::firstVideoFrame(const QString &pathName)
{
    cv::VideoCapture capture;
    if (!capture.open(pathName.toUtf8().toStdString()))
        return QImage();
    cv::Mat frame;
    QImage image;
    if (capture.read(frame))
        image = matToImage(frame);
    capture.release();
    return image;
}

QPixmap ThumbnailMaker::video(const QString &pathName)
{
    const QImage frame = firstVideoFrame(pathName);
    // As for a picture: no frame, no empty icon.
    if (frame.isNull())
        return placeholder();
    const QImage scaled = frame.scaled(MaxWidth, MaxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage canvas = transparentCanvas(scaled);
    drawMark(canvas, VideoMark);

    QFile file(pathName);
    if (!file.open(QIODevice::ReadOnly))
        return placeholder();
    if (CameraFileReader::hasQrText(file, VideoFile))
        drawMark(canvas, QrCodeMark);
    file.close();
    return QPixmap::fromImage(std::move(canvas));
}
