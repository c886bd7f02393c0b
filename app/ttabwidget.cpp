#include "ttabwidget.h"
#include "ui_ttabwidget.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

const char *const tabButtonStyle =
    "QPushButton{\nbackground-color: rgba(0, 0, 0,00%);\nborder: 0px ;\nfont-size: 18px;\n"
    "font-family:PingFang SC;\nfont-weight: 500;\ncolor: #FFFFFF;\nline-height: 43px;\n"
    "outline: 0px;\n}";

// Source texts of the tabs, in page order.
const char *const tabTexts[] = {
    QT_TRANSLATE_NOOP("tTabwidget", "浏览档案"),
    QT_TRANSLATE_NOOP("tTabwidget", "实时投屏"),
    QT_TRANSLATE_NOOP("tTabwidget", "照片/影片分析"),
    QT_TRANSLATE_NOOP("tTabwidget", "设置"),
};

} // namespace

tTabwidget::tTabwidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::tTabwidget)
{
    ui->setupUi(this);
    ui->Setting->setStyleSheet(tabButtonStyle);
    ui->analyse->setStyleSheet(tabButtonStyle);
    ui->Ondavi->setStyleSheet(tabButtonStyle);
    ui->Archives->setStyleSheet(tabButtonStyle);
    ui->label_1->show();
    ui->label_2->hide();
    ui->label_3->hide();
    connect(ui->buttonTab, SIGNAL(buttonClicked(int)), this, SLOT(buttonClickResponse(int)));
}

tTabwidget::~tTabwidget()
{
    delete ui;
}

void tTabwidget::selectTabwidget(int index)
{
    if (index < 0 || index > 3)
        return;
    ui->label_1->setVisible(index == 0);
    ui->label_2->setVisible(index == 1);
    ui->label_3->setVisible(index == 2);
    emit selectTabIndex(index);
}

void tTabwidget::buttonClickResponse(int id)
{
    const QAbstractButton *button = ui->buttonTab->button(id);
    if (!button)
        return;
    // The button is known by its text, so the comparison uses the same
    // translations as the buttons show.
    const QString text = button->text();
    for (int index = 0; index < 4; ++index) {
        if (text == QCoreApplication::translate("tTabwidget", tabTexts[index])) {
            selectTabwidget(index);
            return;
        }
    }
}

void tTabwidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateTexts();
}

void tTabwidget::retranslateTexts()
{
    ui->Archives->setText(QCoreApplication::translate("tTabwidget", tabTexts[0]));
    ui->Ondavi->setText(QCoreApplication::translate("tTabwidget", tabTexts[1]));
    ui->analyse->setText(QCoreApplication::translate("tTabwidget", tabTexts[2]));
    ui->Setting->setText(QCoreApplication::translate("tTabwidget", tabTexts[3]));
    ui->label_1->setText(QString());
    ui->label_2->setText(QString());
    ui->label_3->setText(QString());
}
