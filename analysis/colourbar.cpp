#include "colourbar.h"

#include <QFontMetrics>
#include <QPainter>

ColourBar::ColourBar(QWidget *parent)
    : QWidget(parent)
{
    setMinimumWidth(70);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void ColourBar::setPaletteKind(ThermalPalette::Kind value)
{
    kind = value;
    update();
}

void ColourBar::setRange(qint32 low, qint32 high)
{
    minimum = low;
    maximum = high;
    update();
}

QSize ColourBar::sizeHint() const
{
    return QSize(80, 240);
}

void ColourBar::paint(QPainter &painter, const QRect &area, ThermalPalette::Kind kind,
                      qint32 minimum, qint32 maximum)
{
    painter.save();
    const QFontMetrics metrics(painter.font());
    const int textHeight = metrics.height();
    const QRect bar(area.left(), area.top() + textHeight + 4, qMin(24, area.width() / 3),
                    qMax(1, area.height() - 2 * (textHeight + 4)));
    const QVector<QRgb> &colours = ThermalPalette::table(kind);
    for (int y = 0; y < bar.height(); ++y) {
        const int index = bar.height() > 1 ? 255 - (y * 255) / (bar.height() - 1) : 255;
        painter.setPen(QColor(colours.at(index)));
        painter.drawLine(bar.left(), bar.top() + y, bar.right(), bar.top() + y);
    }
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar.adjusted(0, 0, -1, -1));

    painter.setPen(QColor(0x33, 0x33, 0x33));
    const QRect top(area.left(), area.top(), area.width(), textHeight);
    const QRect bottom(area.left(), bar.bottom() + 4, area.width(), textHeight);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, QString::number(maximum));
    painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, QString::number(minimum));
    painter.restore();
}

void ColourBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect().adjusted(4, 4, -4, -4), kind, minimum, maximum);
}
