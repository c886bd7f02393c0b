#include "waitingbox.h"
#include "ui_waitingbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTimer>

WaitingBox::WaitingBox(QWidget *parent)
    : QWidget(parent)
    , ui(new BoxForm)
    , animTimer(nullptr)
    , frameIndex(1)
{
    ui->setupUi(this);
    setGeometry(0, 0, parent->width(), parent->height());
    setAttribute(Qt::WA_DeleteOnClose);
    ui->widget->move((width() - ui->widget->width()) / 2,
                     (height() - ui->widget->height()) / 2);
    ui->label->setStyleSheet(QStringLiteral("background-color: transparent;"));
    ui->label->setGeometry(79, 29, 81, 81);
    ui->label->setPixmap(QPixmap(QStringLiteral(":/images/wait1.png")));

    animTimer = new QTimer(this);
    connect(animTimer, &QTimer::timeout, this, &WaitingBox::advanceFrame);
    animTimer->start(200);
}

WaitingBox::~WaitingBox()
{
    animTimer->stop();
    delete animTimer;
    delete ui;
}

bool WaitingBox::delay(int msec)
{
    // A monotonic clock, so a wait across midnight or a clock change still
    // ends; a precise wake-up timer, so the loop sleeps instead of spinning.
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    for (qint64 left = msec; left > 0; left = msec - clock.elapsed()) {
        if (!wake.isActive())
            wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void WaitingBox::keyPressEvent(QKeyEvent *)
{
}

void WaitingBox::advanceFrame()
{
    ++frameIndex;
    if (frameIndex > 4)
        frameIndex = 1;
    ui->label->setPixmap(QPixmap(QStringLiteral(":/images/wait%1.png").arg(frameIndex)));
}
