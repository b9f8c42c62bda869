// Waiting on the user-interface thread without freezing it: the event loop
// runs meanwhile, so windows keep painting and the link's messages arrive.
#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

// Looks at the condition every pollMs while the event loop runs. Returns
// whether it holds at the end.
template <class Condition> bool RunEventsUntil(Condition condition, int timeoutMs, int pollMs = 10)
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

// Runs the event loop for the given time.
void PauseEvents(int milliseconds);

// While one lives the program is busy: a busy cursor shows, and the user's
// input (keys and shortcuts, mouse buttons, the wheel, touch, context menus,
// closing windows) is swallowed, whatever object it is addressed to, so
// windows keep painting but take no command. Nests.
//
// What comes without an event is not seen here: an assistive technology's
// action (a screen reader's "press" on a button) calls the widget directly.
// Whoever starts things from such a widget refuses while busy (the main
// window starts no command while one runs).
class CBusyScope : public QObject {
public:
    CBusyScope();
    ~CBusyScope() override;
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;

    // Whether a busy scope is active.
    static bool Active();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
