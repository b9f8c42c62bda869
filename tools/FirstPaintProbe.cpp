// A library preloaded into a Qt program (LD_PRELOAD) to look at the program
// as it runs, unchanged: once the first window has been painted, it prints
// one line to standard output and ends the program at once.
//
//   first-paint style=fusion direction=rtl desktop-file=org.kerovant.Kerovant
//
// The start-up benchmark times the line; the tests read what Qt made of the
// command line from it. It hooks in through Qt's start-up routines, which
// run when the QCoreApplication is constructed.
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <unistd.h>

namespace {

void Report()
{
    const QByteArray line = "first-paint style=" + QApplication::style()->name().toUtf8() +
        " direction=" + (QGuiApplication::layoutDirection() == Qt::RightToLeft ? "rtl" : "ltr") +
        " desktop-file=" + QGuiApplication::desktopFileName().toUtf8() + "\n";
    // Straight to the descriptor: the program ends without flushing stdio.
    size_t written = 0;
    while (written < static_cast<size_t>(line.size())) {
        const ssize_t n = ::write(STDOUT_FILENO, line.constData() + written, line.size() - written);
        if (n <= 0)
            break;
        written += static_cast<size_t>(n);
    }
    std::_Exit(0);
}

class FirstPaintFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A window's own paint comes before its children's; the report waits
        // until the event loop is back, when the whole window is drawn.
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            QTimer::singleShot(0, &Report);
        }
        return false;
    }

private:
    bool seen_ = false;
};

void Install()
{
    // Only a widget program paints widgets; anything else is left alone.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QCoreApplication::instance()->installEventFilter(new FirstPaintFilter);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
