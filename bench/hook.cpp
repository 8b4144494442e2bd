// Preloaded into the program under test (LD_PRELOAD) by the benchmark driver, so that the
// unmodified executable is measured. It stays inert unless SEKIVO_BENCH_FD names the pipe
// to report on. Lines it writes:
//   painted <ns> <cpu ns> <class> <objectName> <widgets> <width>x<height>
//     the first paint of a top-level window: when (CLOCK_MONOTONIC) and the processor time
//     the process had used by then, both in nanoseconds
//   open <objectName> <n> <nanoseconds from click to first paint>
//   timeout <button objectName>      (no dialog painted within 5 s of the click)
//   done
// With SEKIVO_BENCH_OPENS=N it then presses each launch button of the main window N times,
// closing each dialog as soon as it has painted, and quits the application at the end. With
// SEKIVO_BENCH_TYPE=1 it first types "12" and Enter into the dialog, as a user would, and closes
// it within the next 33 ms (the Wayland stress run, bench/stress.sh).

#include "paintprobe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>

#include <time.h>
#include <unistd.h>

namespace {

int reportFd = -1;

qint64 cpuNanoseconds()
{
    timespec ts {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void report(const QByteArray &line)
{
    const QByteArray out = line + '\n';
    const char *p = out.constData();
    qsizetype left = out.size();
    while (left > 0) {
        const ssize_t n = ::write(reportFd, p, size_t(left));
        if (n <= 0)
            return;
        p += n;
        left -= n;
    }
}

// Presses every launch button a number of times and times each dialog's first paint.
class DialogRound : public QObject
{
public:
    DialogRound(QWidget *mainWindow, int opens)
        : QObject(mainWindow)
        , m_main(mainWindow)
        , m_opens(opens)
    {
        // The launch buttons of the team, batter and pitcher groups in the order the window
        // shows them, so that a calculator added there is timed too.
        for (const char *group : { "groupBox", "groupBox_2", "groupBox_3" }) {
            if (auto *box = mainWindow->findChild<QGroupBox *>(QLatin1String(group)))
                m_buttons += box->findChildren<QAbstractButton *>();
        }
        m_watchdog.setSingleShot(true);
        m_watchdog.setInterval(5000);
        QObject::connect(&m_watchdog, &QTimer::timeout, this, [this] {
            report("timeout " + m_buttons.value(m_button)->objectName().toLatin1());
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
    }

    void start()
    {
        QTimer::singleShot(200, this, [this] { next(); });
    }

    void painted(QWidget *window, qint64 at)
    {
        if (window == m_main || !m_clickedAt)
            return;
        m_watchdog.stop();
        report("open " + window->objectName().toLatin1() + ' ' + QByteArray::number(m_round) + ' '
            + QByteArray::number(at - m_clickedAt));
        m_clickedAt = 0;
        if (m_type) {
            // Queued like the close below, so each lands in the order a user's keys would.
            for (const auto &[key, text] : { std::pair { Qt::Key_1, "1" }, { Qt::Key_2, "2" },
                     { Qt::Key_Return, "\r" } }) {
                for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
                    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
                    QCoreApplication::postEvent(focus,
                        new QKeyEvent(type, key, Qt::NoModifier, QString::fromLatin1(text)));
                }
            }
        }
        if (m_type) {
            // Then closes it at a random moment of the next two frames (60 Hz), while the
            // window system may be answering the repaint of what was typed.
            QTimer::singleShot(QRandomGenerator::global()->bounded(34), window, &QWidget::close);
        } else {
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }

private:
    void next()
    {
        if (m_round == m_opens) {
            m_round = 0;
            ++m_button;
        }
        if (m_button >= m_buttons.size()) {
            report("done");
            m_main->close();
            return;
        }
        ++m_round;
        QPointer<QAbstractButton> button = m_buttons.at(m_button);
        m_watchdog.start();
        m_clickedAt = monotonicNanoseconds();
        button->click(); // returns when the dialog's own loop has ended
        m_watchdog.stop();
        // Let the main window repaint what the dialog covered before the next press.
        QTimer::singleShot(30, this, [this] { next(); });
    }

    QWidget *m_main;
    int m_opens;
    bool m_type = qEnvironmentVariableIntValue("SEKIVO_BENCH_TYPE") == 1;
    QList<QAbstractButton *> m_buttons;
    qsizetype m_button = 0;
    int m_round = 0;
    qint64 m_clickedAt = 0;
    QTimer m_watchdog;
};

void install()
{
    const QByteArray fd = qgetenv("SEKIVO_BENCH_FD");
    if (fd.isEmpty() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    reportFd = fd.toInt();
    const int opens = qEnvironmentVariableIntValue("SEKIVO_BENCH_OPENS");

    auto *round = new QPointer<DialogRound>;
    auto *probe = new PaintProbe(
        [opens, round](QWidget *window, qint64 at) {
            const QByteArray name = window->objectName().toLatin1();
            report("painted " + QByteArray::number(at) + ' ' + QByteArray::number(cpuNanoseconds())
                + ' ' + window->metaObject()->className() + ' ' + (name.isEmpty() ? "-" : name)
                + ' ' + QByteArray::number(window->findChildren<QWidget *>().size() + 1) + ' '
                + QByteArray::number(window->width()) + 'x' + QByteArray::number(window->height()));
            if (*round) {
                (*round)->painted(window, at);
            } else if (opens > 0 && !window->inherits("QDialog")) {
                *round = new DialogRound(window, opens);
                (*round)->start();
            }
        },
        QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
