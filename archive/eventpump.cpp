#include "eventpump.h"

#include <QCoreApplication>

EventPump::EventPump()
{
    clock.start();
}

bool EventPump::poll()
{
    if (clock.elapsed() < IntervalMs)
        return false;
    flush();
    return true;
}

void EventPump::flush()
{
    QCoreApplication::processEvents();
    clock.restart();
}
