// Helpers the benchmarks of windows share.
#pragma once

#include <QEvent>
#include <QObject>

#include <chrono>

namespace bench {

// Notes when the widget it filters is first painted, since its creation or
// the last Reset: the moment the paint event arrives, before the drawing.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            when = std::chrono::steady_clock::now();
        }
        return QObject::eventFilter(watched, event);
    }
    void Reset() { seen = false; }

    bool seen = false;
    std::chrono::steady_clock::time_point when;
};

}  // namespace bench
