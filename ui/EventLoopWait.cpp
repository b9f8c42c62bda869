#include "EventLoopWait.h"

#include <QApplication>
#include <QEvent>

namespace {

int g_busyDepth = 0;

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::InputMethod:
    case QEvent::ContextMenu: return true;
    default: return false;
    }
}

}  // namespace

void PauseEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

CBusyScope::CBusyScope()
{
    ++g_busyDepth;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

CBusyScope::~CBusyScope()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    --g_busyDepth;
}

bool CBusyScope::Active()
{
    return g_busyDepth > 0;
}

bool CBusyScope::eventFilter(QObject* watched, QEvent* event)
{
    // Whoever the input is addressed to: not only widgets take it. A key
    // that is a shortcut reaches the QAction or QShortcut that owns it (F1
    // opens the About box through its action), and the window system's
    // events reach the window before its widgets.
    // The window system's close (the close box) is refused while busy, so
    // the wait's owner is not pulled away under it; the window can be
    // closed once the wait ends. The program's own closes go through.
    const bool userClose = event->type() == QEvent::Close && event->spontaneous();
    if (IsUserInput(event->type()) || userClose) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
