#ifndef DEVICEWATCHER_H
#define DEVICEWATCHER_H

#include "devicechangelogic.h"

#include <QObject>

class QWidget;

// Watches the system for the camera's disk, volume and video device and
// reports what it sees as device notices. One implementation per system:
// devicewatcher_win.cpp, devicewatcher_linux.cpp.
class DeviceWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The watcher of this system, a child of the window whose native
    // messages it may need.
    static DeviceWatcher *create(QWidget *window);

    // Starts watching. Failures are ignored: the pages keep their manual
    // refresh.
    virtual void start() = 0;

public slots:
    // Looks at the current state again and reports what changed since the
    // last look. Systems that are told about every change do nothing.
    virtual void rescan() {}

signals:
    void notice(const DeviceNotice &notice);
};

#endif // DEVICEWATCHER_H
