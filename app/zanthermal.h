#ifndef ZANTHERMAL_H
#define ZANTHERMAL_H

#include <QMainWindow>
#include <QString>

class QTranslator;
class DeviceWatcher;
struct DeviceNotice;
namespace Ui {
class ZanThermal;
}

// The single top-level window: tab bar above a stack of four pages
// (0 archive, 1 live view, 2 analysis host, 3 settings).
class ZanThermal : public QMainWindow
{
    Q_OBJECT

public:
    explicit ZanThermal(QWidget *parent = nullptr);
    ~ZanThermal() override;

signals:
    void USBStrongDiskSingnal(qint8 type, QString deviceType);
    void loadConfigAnalysisSignals(quint8 configType);

private slots:
    void OpenUpdateImage(QString t, QString devType);

protected:
    void changeEvent(QEvent *event) override;
#ifdef Q_OS_WIN
    // Turns WM_DEVICECHANGE into device notices (devicewatcher_win.cpp).
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
#endif

private:
    void onTabSelected(int index);
    void onConfigChanged(qint8 configType);
    void onDeviceNotice(const DeviceNotice &notice);
    void onDeviceEvent(qint8 type, QString deviceType);

    Ui::ZanThermal *ui;
    QTranslator *translator;
    int currentPageIndex;
    bool suppressPageNotify;
    QString pendingDeviceType;
    DeviceWatcher *deviceWatcher;
};

#endif // ZANTHERMAL_H
