#include "videowidget.h"

#include <QEvent>
#include <QPainter>
#include <QTransform>

VideoWidget::VideoWidget(QWidget *parent)
    : QWidget(parent)
    , QAbstractVideoSurface(nullptr)
    , connected(false)
    , rotate(false)
{
}

void VideoWidget::setRotate(bool value)
{
    rotate = value;
}

void VideoWidget::setConnected(bool value)
{
    connected = value;
}

void VideoWidget::clearImage()
{
    image = QImage();
    update();
}

QList<QVideoFrame::PixelFormat> VideoWidget::supportedPixelFormats(
    QAbstractVideoBuffer::HandleType) const
{
    // Everything the frame conversion understands, so the camera can keep
    // its native format.
    return {
        QVideoFrame::Format_ARGB32, QVideoFrame::Format_ARGB32_Premultiplied,
        QVideoFrame::Format_RGB32, QVideoFrame::Format_RGB24,
        QVideoFrame::Format_RGB565, QVideoFrame::Format_RGB555,
        QVideoFrame::Format_ARGB8565_Premultiplied, QVideoFrame::Format_BGRA32,
        QVideoFrame::Format_BGRA32_Premultiplied, QVideoFrame::Format_BGR32,
        QVideoFrame::Format_BGR24, QVideoFrame::Format_BGR565,
        QVideoFrame::Format_BGR555, QVideoFrame::Format_BGRA5658_Premultiplied,
        QVideoFrame::Format_AYUV444, QVideoFrame::Format_AYUV444_Premultiplied,
        QVideoFrame::Format_YUV444, QVideoFrame::Format_YUV420P,
        QVideoFrame::Format_YV12, QVideoFrame::Format_UYVY,
        QVideoFrame::Format_YUYV, QVideoFrame::Format_NV12,
        QVideoFrame::Format_NV21, QVideoFrame::Format_IMC1,
        QVideoFrame::Format_IMC2, QVideoFrame::Format_IMC3,
        QVideoFrame::Format_IMC4, QVideoFrame::Format_Y8,
        QVideoFrame::Format_Y16, QVideoFrame::Format_Jpeg,
        QVideoFrame::Format_CameraRaw, QVideoFrame::Format_AdobeDng,
    };
}

bool VideoWidget::present(const QVideoFrame &frame)
{
    if (!frame.isValid()) {
        QAbstractVideoSurface::stop();
        return false;
    }
    image = frame.image();
    if (rotate) {
        QTransform turn;
        turn.rotate(-90.0);
        image = image.transformed(turn, Qt::SmoothTransformation);
    }
    update();
    return true;
}

QRectF VideoWidget::targetRect(const QSize &imageSize, const QSize &widgetSize)
{
    const QSize scaled = imageSize.scaled(widgetSize, Qt::KeepAspectRatio);
    // Integer halves truncate towards zero, as the centring always has.
    const int x = (widgetSize.width() - 1) / 2 - (scaled.width() - 1) / 2;
    const int y = (widgetSize.height() - 1) / 2 - (scaled.height() - 1) / 2;
    return QRectF(x, y, scaled.width(), scaled.height());
}

void VideoWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (image.isNull())
        return;
    painter.drawImage(targetRect(image.size(), size()),
                      image, QRectF(0, 0, image.width(), image.height()));
}

bool VideoWidget::event(QEvent *event)
{
    // Without a camera the page itself handles double-clicks and keys.
    if (!connected
        && (event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::KeyPress))
        return false;
    return QWidget::event(event);
}

void VideoWidget::mouseDoubleClickEvent(QMouseEvent *)
{
}
