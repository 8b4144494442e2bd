#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Nanoseconds on CLOCK_MONOTONIC, the clock the driver also reads before it starts a process,
// so times taken in two processes can be subtracted.
qint64 monotonicNanoseconds();

// An application-wide event filter that notices the first time each top-level widget has been
// painted and its pixels handed to the window system. On X11 that happens while the window's
// first expose event is handled (the widgets paint into the backing store, which is flushed
// before the handler returns), so the filter lets that event through itself and takes the time
// right after it, but only if some widget of that window actually painted during it.
class PaintProbe : public QObject
{
    Q_OBJECT

public:
    using Painted = std::function<void(QWidget *window, qint64 nanoseconds)>;

    PaintProbe(Painted painted, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Painted m_painted;
    QWidget *m_exposing = nullptr;
    bool m_sawPaint = false;
};
