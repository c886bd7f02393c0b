#ifndef ONDAVI_H
#define ONDAVI_H

#include <QCameraInfo>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QCamera;
class VideoWidget;
namespace Ui {
class Ondavi;
}

// The live-view page: lists the camera's video devices, one button each,
// and shows the picture of the one clicked.
class Ondavi : public QWidget
{
    Q_OBJECT

public:
    explicit Ondavi(QWidget *parent = nullptr);
    ~Ondavi() override;

    // Style of the camera buttons.
    static const char *const cameraButtonStyle;

public slots:
    // The camera's video device arrived (2) or left (4); name is unused.
    void UVCInit_K41(qint8 en, QString name);

protected:
    // The system's video devices that are the camera, in the system's order.
    // Tests give their own list here.
    virtual QList<QCameraInfo> findCameras() const;

    // Internal state, readable by tests.
    const QList<QCameraInfo> &listedCameras() const { return cameraInfos; }
    const QList<bool> &listedRotateFlags() const { return rotateFlags; }
    QButtonGroup *cameraButtons() const { return buttonGroup; }
    VideoWidget *picture() const { return videoWidget; }
    QCamera *openCamera() const { return camera; }

    void rebuildCameraList();
    void resetCameras();
    bool connectCamera(const QCameraInfo &info, bool rotate);

    void changeEvent(QEvent *event) override;

private slots:
    void on_Refresh_clicked();
    void buttonTabClickResponse(int id);

private:
    void removeCameraButton();
    void destroyCamera();
    QWidget *mainWindowOrPage();

    Ui::Ondavi *ui;
    QButtonGroup *buttonGroup;
    // Guarded: a device notice during a wait may destroy the camera.
    QPointer<QCamera> camera;
    VideoWidget *videoWidget;
    QList<QCameraInfo> cameraInfos;
    QList<bool> rotateFlags;
    bool ready;
};

#endif // ONDAVI_H
