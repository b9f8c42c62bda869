// Helpers shared by the tests of the program's windows.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs act on the first widget that find returns, looking every 10 ms while
// the event loop runs (a modal dialog or a menu runs its own), for at most
// timeoutMs.
inline void WhenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> act, int timeoutMs)
{
    auto* poll = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, find = std::move(find), act = std::move(act), clock, timeoutMs] {
                         if (QWidget* widget = find()) {
                             poll->deleteLater();
                             poll->stop();
                             act(widget);
                         } else if (clock.hasExpired(timeoutMs)) {
                             poll->deleteLater();
                             poll->stop();
                         }
                     });
    poll->start(10);
}

// Runs act on the next modal dialog that appears, within the deadline.
inline void WhenModal(std::function<void(QWidget*)> act, int timeoutMs = 5000)
{
    WhenShown([] { return QApplication::activeModalWidget(); }, std::move(act), timeoutMs);
}

// Runs act on the next pop-up (a menu) that opens, within the deadline.
inline void WhenPopup(std::function<void(QWidget*)> act, int timeoutMs = 5000)
{
    WhenShown([] { return QApplication::activePopupWidget(); }, std::move(act), timeoutMs);
}
