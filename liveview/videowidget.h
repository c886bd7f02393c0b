#ifndef VIDEOWIDGET_H
#define VIDEOWIDGET_H

#include <QAbstractVideoSurface>
#include <QImage>
#include <QWidget>

// The live picture: a widget that is also the video surface the camera
// writes its frames into. Only the newest frame is kept, turned a quarter
// turn counter-clockwise when asked, and painted scaled and centred.
// No Q_OBJECT: both bases are QObjects and the class adds no signals.
class VideoWidget : public QWidget, public QAbstractVideoSurface
{
public:
    explicit VideoWidget(QWidget *parent = nullptr);

    void setRotate(bool rotate);
    void setConnected(bool connected);
    void clearImage();

    // The last frame as stored (already turned when rotate is set).
    QImage currentImage() const { return image; }

    QList<QVideoFrame::PixelFormat> supportedPixelFormats(
        QAbstractVideoBuffer::HandleType type = QAbstractVideoBuffer::NoHandle) const override;
    bool present(const QVideoFrame &frame) override;

    // Where the image is painted in a widget of the given size.
    static QRectF targetRect(const QSize &imageSize, const QSize &widgetSize);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QImage image;
    bool connected;
    bool rotate;
};

#endif // VIDEOWIDGET_H
