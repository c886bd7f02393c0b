#ifndef THERMALIMAGEWIDGET_H
#define THERMALIMAGEWIDGET_H

#include "imageanalysisk52_global.h"
#include "thermalframe.h"

#include <QImage>
#include <QWidget>

class QPainter;

// The palette picture scaled to the widget (aspect kept), with markers at
// the hottest and the coldest pixel. Reports the frame pixel under the mouse.
class IMAGEANALYSISK52_EXPORT ThermalImageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ThermalImageWidget(QWidget *parent = nullptr);

    void setPicture(const QImage &picture, const QPoint &hottest, const QPoint &coldest);

    // Where the picture lies in the widget.
    QRect pictureRect() const;
    // Frame pixel under a widget position; (-1, -1) outside the picture.
    QPoint pixelAt(const QPoint &position) const;

    // Draws the two markers onto a picture drawn into target; the report
    // uses it too.
    static void paintMarkers(QPainter &painter, const QRect &target, const QSize &frameSize,
                             const QPoint &hottest, const QPoint &coldest);

    QSize sizeHint() const override;

signals:
    void pixelHovered(QPoint pixel);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QImage picture;
    QPoint hottest;
    QPoint coldest;
};

#endif // THERMALIMAGEWIDGET_H
