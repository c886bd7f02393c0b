#ifndef DYNAMICLABEL_H
#define DYNAMICLABEL_H

#include "widgetkit_global.h"

#include <QColor>
#include <QWidget>

// One line of text that is elided in the middle when it does not fit;
// the whole text is then offered as the tool tip.
class WIDGETKIT_EXPORT DynamicLabel : public QWidget
{
    Q_OBJECT
    // Forms store the alignment under this spelling; keep it.
    Q_PROPERTY(QString mRawText READ rawText WRITE setRawText)
    Q_PROPERTY(Qt::Alignment mAignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor mTextColor READ textColor WRITE setTextColor)

public:
    explicit DynamicLabel(QWidget *parent = nullptr);

    QString rawText() const;
    Qt::Alignment alignment() const;
    QColor textColor() const;

    // The text drawn at the last paint (whole or elided).
    QString displayedText() const { return shownText; }

public slots:
    void setRawText(const QString &text);
    void setAlignment(Qt::Alignment alignment);
    void setTextColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString mRawText;
    QString shownText;
    Qt::Alignment mAignment;
    QColor mTextColor;
};

#endif // DYNAMICLABEL_H
