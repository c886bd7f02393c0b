#ifndef TTABWIDGET_H
#define TTABWIDGET_H

#include <QWidget>

namespace Ui {
class tTabwidget;
}

// The dark blue bar with the three page tabs and the settings tab.
class tTabwidget : public QWidget
{
    Q_OBJECT

public:
    explicit tTabwidget(QWidget *parent = nullptr);
    ~tTabwidget() override;

signals:
    void selectTabIndex(int index);

public slots:
    void selectTabwidget(int index);

private slots:
    void buttonClickResponse(int id);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateTexts();

    Ui::tTabwidget *ui;
};

#endif // TTABWIDGET_H
