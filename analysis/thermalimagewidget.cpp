#include "thermalimagewidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

void drawMarker(QPainter &painter, QPointF centre, const QRectF &target, qreal size,
                const QColor &colour, bool pointUp)
{
    // Kept wholly inside the picture, so a corner pixel's marker is seen.
    centre.setX(qBound(target.left() + size, centre.x(), target.right() - size));
    centre.setY(qBound(target.top() + size, centre.y(), target.bottom() - size));
    // A triangle with a dark outline stays visible on every palette.
    QPolygonF triangle;
    if (pointUp)
        triangle << QPointF(0, -size) << QPointF(size * 0.87, size * 0.5)
                 << QPointF(-size * 0.87, size * 0.5);
    else
        triangle << QPointF(0, size) << QPointF(size * 0.87, -size * 0.5)
                 << QPointF(-size * 0.87, -size * 0.5);
    triangle.translate(centre);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPoint(centre);
}

} // namespace

ThermalImageWidget::ThermalImageWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumSize(ThermalFrame::Width, ThermalFrame::Height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ThermalImageWidget::setPicture(const QImage &value, const QPoint &hot, const QPoint &cold)
{
    picture = value;
    hottest = hot;
    coldest = cold;
    update();
}

QSize ThermalImageWidget::sizeHint() const
{
    return QSize(2 * ThermalFrame::Width, 2 * ThermalFrame::Height);
}

QRect ThermalImageWidget::pictureRect() const
{
    if (picture.isNull())
        return QRect();
    const QSize scaled = picture.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - scaled.width()) / 2, (height() - scaled.height()) / 2), scaled);
}

QPoint ThermalImageWidget::pixelAt(const QPoint &position) const
{
    const QRect target = pictureRect();
    if (target.isEmpty() || !target.contains(position))
        return QPoint(-1, -1);
    const int x = (position.x() - target.left()) * picture.width() / target.width();
    const int y = (position.y() - target.top()) * picture.height() / target.height();
    return QPoint(qBound(0, x, picture.width() - 1), qBound(0, y, picture.height() - 1));
}

void ThermalImageWidget::paintMarkers(QPainter &painter, const QRect &target, const QSize &frameSize,
                                      const QPoint &hot, const QPoint &cold)
{
    if (target.isEmpty() || frameSize.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto centreOf = [&](const QPoint &pixel) {
        return QPointF(target.left() + (pixel.x() + 0.5) * target.width() / frameSize.width(),
                       target.top() + (pixel.y() + 0.5) * target.height() / frameSize.height());
    };
    const qreal size = qMax<qreal>(6, target.width() / 70.0);
    drawMarker(painter, centreOf(cold), target, size, QColor(0, 160, 255), false);
    drawMarker(painter, centreOf(hot), target, size, QColor(255, 40, 40), true);
    painter.restore();
}

void ThermalImageWidget::paintEvent(QPaintEvent *)
{
    if (picture.isNull())
        return;
    QPainter painter(this);
    const QRect target = pictureRect();
    // Nearest neighbour: each raw pixel stays a visible square when enlarged.
    painter.drawImage(target, picture);
    paintMarkers(painter, target, picture.size(), hottest, coldest);
}

void ThermalImageWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pixel = pixelAt(event->pos());
    if (pixel.x() < 0)
        emit pointerLeft();
    else
        emit pixelHovered(pixel);
    QWidget::mouseMoveEvent(event);
}

void ThermalImageWidget::leaveEvent(QEvent *event)
{
    emit pointerLeft();
    QWidget::leaveEvent(event);
}
