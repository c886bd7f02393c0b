#ifndef EVENTPUMP_H
#define EVENTPUMP_H

#include <QElapsedTimer>

// Keeps the event loop turning during a long loop on the GUI thread without
// paying a fixed wait per step: pending events are processed only when
// some 15 ms have passed since the last time.
class EventPump
{
public:
    static constexpr int IntervalMs = 15;

    EventPump();

    // Processes pending events if the interval has passed; returns whether it did.
    bool poll();
    // Processes pending events now.
    void flush();

private:
    QElapsedTimer clock;
};

#endif // EVENTPUMP_H
