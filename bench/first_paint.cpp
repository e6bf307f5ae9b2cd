#include "first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <time.h>

namespace {

// CLOCK_MONOTONIC in milliseconds: the launcher reads the same clock when it
// starts the process, so the difference is the time to the first paint.
double MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class FirstPaintWatcher final : public QObject {
public:
    explicit FirstPaintWatcher(QWidget &window)
        : QObject(&window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued: the whole frame, children included, is painted and
            // flushed before the application gets to quit.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    std::printf("first paint at %.3f ms\n", MonotonicMilliseconds());
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

} // namespace

void QuitAfterFirstPaint(QWidget &window) {
    new FirstPaintWatcher(window); // owned by the window
}
