// Runs Qt's event loop until a condition holds or a time is up, for the
// tools that drive the program without a user.
#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

// Looks at the condition every pollMs while the event loop runs. Returns
// whether it holds at the end.
template <class Condition>
bool RunEventsUntil(Condition condition, int timeoutMs, int pollMs = 10)
{
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition() || deadline.hasExpired())
            loop.quit();
    });
    poll.start(pollMs);
    if (!condition())
        loop.exec();
    return condition();
}
