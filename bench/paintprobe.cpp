#include "paintprobe.h"

#include <QApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include <time.h>

namespace {

const char *const paintedMark = "_sekivo_bench_painted";

QWidget *topLevelOf(const QWindow *window)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == window)
            return w;
    }
    return nullptr;
}

} // namespace

qint64 monotonicNanoseconds()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

PaintProbe::PaintProbe(Painted painted, QObject *parent)
    : QObject(parent)
    , m_painted(std::move(painted))
{
}

bool PaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        if (m_exposing && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_exposing)
            m_sawPaint = true;
        return false;
    }
    if (event->type() != QEvent::Expose || m_exposing || !watched->isWindowType())
        return false;

    QWidget *top = topLevelOf(static_cast<QWindow *>(watched));
    if (!top || top->property(paintedMark).toBool())
        return false;

    // Deliver the expose event now, exactly as the application would have, then look at
    // the clock; returning true keeps it from being delivered a second time.
    m_exposing = top;
    m_sawPaint = false;
    watched->event(event);
    const qint64 now = monotonicNanoseconds();
    m_exposing = nullptr;
    if (m_sawPaint) {
        top->setProperty(paintedMark, true);
        m_painted(top, now);
    }
    return true;
}
