#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace testing_support {

// Lets Qt's event loop run until `done` holds or the time is up; whether it holds.
template <class Condition>
bool runEventsUntil(Condition done, int milliseconds = 1000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

} // namespace testing_support
