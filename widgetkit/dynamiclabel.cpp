#include "dynamiclabel.h"

#include <QFontMetrics>
#include <QPainter>

DynamicLabel::DynamicLabel(QWidget *parent)
    : QWidget(parent)
    , mRawText(tr("MyLabl"))
    , mAignment()
    , mTextColor(Qt::black)
{
}

QString DynamicLabel::rawText() const
{
    return mRawText;
}

Qt::Alignment DynamicLabel::alignment() const
{
    return mAignment;
}

QColor DynamicLabel::textColor() const
{
    return mTextColor;
}

void DynamicLabel::setRawText(const QString &text)
{
    mRawText = text;
    update();
}

void DynamicLabel::setAlignment(Qt::Alignment alignment)
{
    mAignment = alignment;
    update();
}

void DynamicLabel::setTextColor(const QColor &color)
{
    mTextColor = color;
    update();
}

void DynamicLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(mTextColor);
    const QFontMetrics metrics(font());
    if (metrics.horizontalAdvance(mRawText) > width()) {
        shownText = metrics.elidedText(mRawText, Qt::ElideMiddle, width());
        setToolTip(mRawText);
    } else {
        shownText = mRawText;
        setToolTip(QString());
    }
    painter.drawText(QRect(0, 0, width(), height()), int(mAignment), shownText);
}
