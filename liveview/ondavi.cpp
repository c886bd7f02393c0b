#include "ondavi.h"
#include "ui_ondavi.h"

#include "cameraidentity.h"
#include "findmainwindow.h"
#include "folderbutton.h"
#include "videowidget.h"
#include "waitingbox.h"

#include <QButtonGroup>
#include <QCamera>
#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

const char *const Ondavi::cameraButtonStyle =
    "QPushButton{\tfont-size: 16px;\tfont-family: PingFang SC;\tfont-weight: bold;"
    "\tcolor: #333333;\tline-height: 43px;\tborder: 1px ;\n\tbackground: #F8F8F8;"
    "\ttext-align: left;}\nQPushButton:checked{\tbackground-color: rgba(150, 150, 150, 66%);}"
    "QPushButton::focus{\n\tbackground-color: rgba(150, 150, 150, 66%);\n}\n"
    "QPushButton::pressed{\nbackground-color: rgba(0, 0, 150, 60%);\n}";

namespace {

// Label of the n-th camera button, counted from 1.
const char *const cameraLabel = "Q4815_";

// Refresh is locked for this long after it starts its work.
const int refreshLockMs = 1000;
// A camera that arrived gets this long to settle before the list is read.
const int arrivalRefreshDelayMs = 1500;

} // namespace

Ondavi::Ondavi(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Ondavi)
    , buttonGroup(nullptr)
    , videoWidget(nullptr)
    , ready(false)
{
    ui->setupUi(this);
    buttonGroup = new QButtonGroup(this);
    connect(buttonGroup, &QButtonGroup::idClicked, this,
            &Ondavi::buttonTabClickResponse);
    videoWidget = new VideoWidget(this);
    ui->horizontalLayout_14->addWidget(videoWidget);
    ready = true;
}

Ondavi::~Ondavi()
{
    // Before the picture goes: the camera still writes into its surface.
    destroyCamera();
    delete ui;
}

void Ondavi::UVCInit_K41(qint8 en, QString)
{
    if (!ready)
        return;
    if (en == 2)
        QTimer::singleShot(arrivalRefreshDelayMs, this, &Ondavi::on_Refresh_clicked);
    else if (en == 4)
        resetCameras();
}

QList<QCameraInfo> Ondavi::findCameras() const
{
    QList<QCameraInfo> cameras;
    const QList<QCameraInfo> all = QCameraInfo::availableCameras();
    for (const QCameraInfo &info : all) {
        if (CameraIdentity::isCamera(info.deviceName()))
            cameras.append(info);
    }
    return cameras;
}

void Ondavi::rebuildCameraList()
{
    // Keeps the caller's blocking: a refresh stays guarded after the rebuild.
    const bool wasBlocked = buttonGroup->blockSignals(true);
    int counter = 1;
    const QList<QCameraInfo> cameras = findCameras();
    for (const QCameraInfo &info : cameras) {
        auto *button = new FolderButton;
        button->setFolderName(QLatin1String(cameraLabel) + QString::number(counter++));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setAutoRepeat(false);
        button->setMinimumHeight(34);
        button->setMaximumHeight(50);
        button->setContextMenuPolicy(Qt::NoContextMenu);
        button->setStyleSheet(QString::fromLatin1(cameraButtonStyle));
        ui->devLayout->addWidget(button);
        buttonGroup->addButton(button, buttonGroup->buttons().size());
        cameraInfos.append(info);
        rotateFlags.append(false);
    }
    buttonGroup->blockSignals(wasBlocked);
}

void Ondavi::removeCameraButton()
{
    QAbstractButton *button = buttonGroup->buttons().constFirst();
    ui->devLayout->removeWidget(button);
    buttonGroup->removeButton(button);
    button->close();
    button->deleteLater();
}

void Ondavi::destroyCamera()
{
    if (!camera)
        return;
    camera->stop();
    delete camera;
}

QWidget *Ondavi::mainWindowOrPage()
{
    if (QMainWindow *mainWindow = findMainWindow())
        return mainWindow;
    // A page shown on its own has no main window: cover the page's window.
    return window();
}

void Ondavi::on_Refresh_clicked()
{
    const bool wasBlocked = buttonGroup->blockSignals(true);
    videoWidget->clearImage();

    auto *box = new WaitingBox(mainWindowOrPage());
    box->show();
    box->raise();
    box->delay(500);

    // A click during the wait above ran a nested refresh that did the work.
    if (ui->Refresh->isEnabled()) {
        ui->Refresh->setEnabled(false);
        QTimer::singleShot(refreshLockMs, this, [this]() { ui->Refresh->setEnabled(true); });
        while (!buttonGroup->buttons().isEmpty()) {
            box->delay(10);
            if (buttonGroup->buttons().isEmpty())
                break;
            removeCameraButton();
        }
        cameraInfos.clear();
        rotateFlags.clear();
        rebuildCameraList();
        box->delay(200);
    }

    box->close();
    buttonGroup->blockSignals(wasBlocked);
}

void Ondavi::resetCameras()
{
    destroyCamera();
    while (!buttonGroup->buttons().isEmpty())
        removeCameraButton();
    cameraInfos.clear();
    rotateFlags.clear();
    videoWidget->clearImage();
    videoWidget->repaint();
    rebuildCameraList();
}

void Ondavi::buttonTabClickResponse(int id)
{
    QAbstractButton *button = buttonGroup->button(id);
    if (!button || !button->isEnabled())
        return;

    QMessageBox::information(this, tr("Camera Connection"),
                             tr("设备正在连接中，在此期间请勿拔掉设备!"), QMessageBox::Ok);

    auto *box = new WaitingBox(this);
    box->show();
    box->raise();
    box->delay(500);
    box->close();

    // The list may have been rebuilt while the box was open or during the
    // waits: look the entry up again on every attempt.
    const int attempts = (id < rotateFlags.size() && rotateFlags.at(id)) ? 2 : 1;
    bool opened = true;
    for (int attempt = 0; attempt < attempts && opened; ++attempt) {
        opened = id < cameraInfos.size() && id < rotateFlags.size()
                 && connectCamera(cameraInfos.at(id), rotateFlags.at(id));
    }
    if (opened)
        return;

    QMessageBox::critical(this, QStringLiteral("Camera Connection"), tr("连接错误"),
                          QMessageBox::Ok);
    videoWidget->setConnected(false);
}

bool Ondavi::connectCamera(const QCameraInfo &info, bool rotate)
{
    // A copy: the waits below may rebuild the list info lives in.
    const QCameraInfo wanted = info;

    auto *box = new WaitingBox(this);
    box->show();
    destroyCamera();
    box->delay(10);

    camera = new QCamera(wanted.deviceName().isEmpty() ? QCameraInfo::defaultCamera() : wanted,
                         this);
    camera->setCaptureMode(QCamera::CaptureViewfinder);
    camera->setViewfinder(static_cast<QAbstractVideoSurface *>(videoWidget));
    videoWidget->setRotate(rotate);
    camera->start();

    box->delay(800);
    box->close();

    // A device notice during the wait may have closed the camera.
    if (camera && camera->errorString().isEmpty()) {
        videoWidget->setConnected(true);
        return true;
    }
    return false;
}

void Ondavi::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
