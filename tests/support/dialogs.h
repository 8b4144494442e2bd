#pragma once

// Helpers for driving calculator dialogs the way a user does, and for waiting on them without
// ever hanging a test.

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace testing {

// How long a test waits for something that happens at once when the program works (a dialog
// opening or closing, an event loop ending) before it calls that a failure. Generous, so that a
// loaded machine or the sanitizer build never trips it; short next to CTest's timeout, so that a
// broken dialog fails its test within seconds, with a message, instead of hanging it.
constexpr int watchdogMs = 10000;

// The visible dialogs, in the order they were shown.
inline QList<QDialog *> openDialogs()
{
    QList<QDialog *> dialogs;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
            dialogs.append(d);
    }
    return dialogs;
}

// The visible dialog most recently shown, or null.
inline QDialog *openDialog()
{
    const QList<QDialog *> dialogs = openDialogs();
    return dialogs.isEmpty() ? nullptr : dialogs.last();
}

// Ends the loop of every open dialog (through QDialog itself, not the dialog's close button).
inline void rejectOpenDialogs()
{
    for (QDialog *d : openDialogs())
        d->reject();
}

// Closes the open popups (a context menu, a combo box's list), which ends their loops.
inline void closePopups()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

// Whatever stays open when a check gives up: a context menu, then the dialogs.
inline void closePopupsAndDialogs()
{
    closePopups();
    for (QDialog *d : openDialogs())
        d->close();
}

// Guards a wait in an event loop that should end by itself: once started, if the watchdog is
// still alive after `ms` (`watchdogMs` unless given), `breakLoop` ends the loop and fired() says
// so; the test then fails with message(), which names what did not happen. The watchdog belongs
// to the test function that made it, so it can never fire into a later test.
class Watchdog
{
public:
    explicit Watchdog(QString what, std::function<void()> breakLoop = rejectOpenDialogs,
                      int ms = watchdogMs)
        : m_what(std::move(what)), m_breakLoop(std::move(breakLoop)), m_ms(ms)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_fired = true;
            m_breakLoop();
        });
    }

    void start() { m_timer.start(m_ms); }
    void stop() { m_timer.stop(); }
    bool fired() const { return m_fired; }
    QString message() const
    {
        return QStringLiteral("waited %1 s for %2").arg(m_ms / 1000).arg(m_what);
    }

private:
    QString m_what;
    std::function<void()> m_breakLoop;
    int m_ms;
    QTimer m_timer;
    bool m_fired = false;
};

// Runs steps one after another from the event loop, each from whichever loop is running when the
// one before has handed control back: after a step that opens a dialog with exec(), the next one
// runs inside that dialog's loop. Belongs to the test function; nothing runs once it is gone.
class Steps
{
public:
    Steps()
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_next >= m_steps.size())
                return;
            const std::function<void()> step = m_steps.at(m_next++);
            if (m_next < m_steps.size())
                m_timer.start(0); // before the step, which may not return until much later
            step();
        });
    }

    Steps &then(std::function<void()> step)
    {
        m_steps.push_back(std::move(step));
        return *this;
    }
    void start() { m_timer.start(0); }

private:
    std::vector<std::function<void()>> m_steps;
    std::size_t m_next = 0;
    QTimer m_timer;
};

namespace detail {
// What stands in for a missing widget or layout of an abstract class.
template <typename T> struct StandIn { using type = T; };
template <> struct StandIn<QAbstractButton> { using type = QPushButton; };
template <> struct StandIn<QAbstractSpinBox> { using type = QSpinBox; };
template <> struct StandIn<QLayout> { using type = QVBoxLayout; };
template <> struct StandIn<QBoxLayout> { using type = QVBoxLayout; };
} // namespace detail

// The descendant of `parent` of class T named `name`. A missing one fails the test with its
// class and name; so that the test's next line does not crash on it, a hidden stand-in of that
// name is returned, owned by `parent`.
template <typename T = QWidget>
T *child(QWidget *parent, const QString &name)
{
    const QLatin1String className(T::staticMetaObject.className());
    if (!parent) {
        QTest::qFail(qPrintable(QStringLiteral("no window to find %1 \"%2\" in").arg(className, name)),
                     __FILE__, __LINE__);
        return nullptr;
    }
    if (T *found = parent->findChild<T *>(name))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("%1 has no %2 named \"%3\"")
                                .arg(parent->objectName(), className, name)),
                 __FILE__, __LINE__);
    using Made = typename detail::StandIn<T>::type;
    if constexpr (std::is_abstract_v<Made> || !std::is_default_constructible_v<Made>) {
        return nullptr;
    } else {
        auto *standIn = new Made;
        standIn->setObjectName(name);
        if constexpr (std::is_base_of_v<QWidget, Made>)
            standIn->setParent(parent);
        else
            static_cast<QObject *>(standIn)->setParent(parent);
        return standIn;
    }
}

template <typename T = QWidget>
T *child(QWidget *parent, const char *name)
{
    return child<T>(parent, QString::fromLatin1(name));
}

template <typename T = QWidget>
T *child(QWidget *parent, const QByteArray &name)
{
    return child<T>(parent, QString::fromLatin1(name));
}

// Whether `w`'s window becomes the application's active window, the one keys go to, within
// Qt Test's usual five seconds. QTest::qWaitForWindowActive() does not wait for that with a
// dialog of the main window: Qt counts a window as active while its transient parent is, so it
// returns before the dialog itself has been activated.
inline bool waitForActive(QWidget *w)
{
    const bool active
        = QTest::qWaitFor([w] { return QApplication::activeWindow() == w->window(); });
    // What the window does on being shown and activated (the league table builds the pairs out
    // of sight) runs next in the event loop; a user's first key comes after it.
    QCoreApplication::sendPostedEvents();
    return active;
}

// A click that takes the path of a real one, through the window system, so that a window
// blocked by a modal dialog does not receive it.
inline void userClick(QWidget *button)
{
    QWidget *window = button->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(window, button->rect().center()));
}

// exec()s `d` while `act` runs from inside its loop, and returns what exec() returned. A dialog
// still open after the watchdog's time fails the test with "waited ... for <what>"; its loop is
// then ended from outside and -1 returned.
inline int execUntilClosed(QDialog *d, const std::function<void()> &act, const QString &what)
{
    Steps steps;
    steps.then(act).start();
    Watchdog watchdog(what, [d] { d->done(-1); });
    watchdog.start();
    d->show();
    const int code = d->exec();
    if (watchdog.fired())
        QTest::qFail(qPrintable(watchdog.message()), __FILE__, __LINE__);
    return code;
}

// Presses `button`, which runs a dialog in its own event loop, and calls `check` with that
// dialog from inside the loop. The dialog is closed afterwards whatever `check` found, so a
// failing check cannot hang the test; a dialog that refuses to close, or a launch slot that
// does not return once its dialog has closed, fails the test within the watchdog's time.
// With `checkMs`, a check that waits in loops of its own (a context menu, a second dialog)
// may take that long: then a watchdog closes the menus and dialogs, which ends those loops,
// and the test fails saying which check it stopped.
// Returns whether a dialog was seen at all.
template <typename Check>
bool withLaunchedDialog(QAbstractButton *button, Check check, int checkMs = 0)
{
    bool seen = false;
    Watchdog returned(QStringLiteral("the launch slot of %1 to return after its dialog closed")
                          .arg(button->objectName()));
    std::optional<Watchdog> checked; // made once the dialog's name is known
    QTimer inside; // owned here: when no dialog opens, it dies unfired with this function
    inside.setSingleShot(true);
    QObject::connect(&inside, &QTimer::timeout, [&, checkMs] {
        QPointer<QDialog> dialog = openDialog();
        if (!dialog)
            return;
        seen = true;
        const QString name = dialog->objectName();
        if (checkMs > 0) {
            checked.emplace(QStringLiteral("the check in %1, opened by %2, to end")
                                .arg(name, button->objectName()),
                            closePopupsAndDialogs, checkMs);
            checked->start();
        }
        check(dialog.data());
        if (checked)
            checked->stop();
        if (dialog)
            dialog->close();
        if (dialog && dialog->isVisible()) {
            QTest::qFail(qPrintable(name + QStringLiteral(" refused to close")), __FILE__,
                         __LINE__);
            dialog->reject();
        }
        returned.start();
    });
    inside.start(0);
    button->click();
    if (checked && checked->fired())
        QTest::qFail(qPrintable(checked->message()), __FILE__, __LINE__);
    if (returned.fired())
        QTest::qFail(qPrintable(returned.message()), __FILE__, __LINE__);
    return seen;
}

// While `first` runs, clicks `launch` the way a user does, so that a modal `first` blocks the
// click, and calls `check` with each other dialog that opens, from inside that dialog's loop;
// the dialog is closed afterwards whatever `check` found. A check stuck in a loop of its own, or
// a dialog that stays open, fails the test within the watchdog's time.
template <typename Check>
void withSecondDialog(QWidget *launch, QDialog *first, Check check)
{
    QPointer<QDialog> other;
    Watchdog closed(QStringLiteral("the second dialog opened by %1 to close")
                        .arg(launch->objectName()),
                    [&other] {
                        closePopups();
                        if (other)
                            other->reject();
                    });
    QTimer second; // a dialog opened by the click below runs this from its own loop
    second.setSingleShot(true);
    QObject::connect(&second, &QTimer::timeout, [&] {
        for (QDialog *d : openDialogs()) {
            if (d == first)
                continue;
            other = d;
            closed.start();
            check(d);
            if (other)
                other->close();
        }
    });
    second.start(0);
    userClick(launch);
    QCoreApplication::processEvents();
    if (closed.fired())
        QTest::qFail(qPrintable(closed.message()), __FILE__, __LINE__);
}

// Types `values` into the spin boxes `names` (in that order) as a user would, replacing
// what was there, then presses the compute button and returns the result text.
inline QString compute(QDialog *dialog, const QStringList &names, const QList<int> &values,
                       const char *computeButton = "pushButton_2", const char *result = "lineEdit")
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto *box = child<QSpinBox>(dialog, names.at(i));
        box->selectAll();
        box->clear();
        QTest::keyClicks(box, QString::number(values.at(i)));
        box->interpretText();
    }
    QTest::mouseClick(child<QAbstractButton>(dialog, computeButton), Qt::LeftButton);
    return child<QLineEdit>(dialog, result)->text();
}

// Whether the line edit shows its whole text: with the cursor at the end, the text has not
// been scrolled to the left to make room. The line edit scrolls when it paints.
inline bool showsInFull(QLineEdit *edit)
{
    const auto cursorX = [edit] {
        edit->grab();
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    const QString text = edit->text();
    edit->clear();
    const int left = cursorX();
    edit->setText(text);
    return cursorX() - left >= edit->fontMetrics().horizontalAdvance(text);
}

// `first`, `first`_2, ...: the names the form gives widgets of one kind, in their reading order.
inline QStringList numberedNames(const QString &first, qsizetype count)
{
    QStringList names{first};
    for (qsizetype i = 2; i <= count; ++i)
        names.append(QStringLiteral("%1_%2").arg(first).arg(i));
    return names;
}

// spinBox, spinBox_2, ...: a dialog's inputs.
inline QStringList spinBoxNames(qsizetype count)
{
    return numberedNames(QStringLiteral("spinBox"), count);
}

// The object names of the widgets that Tab visits, starting at `first`, for `count` stops.
// A spin box's inner line edit counts as the spin box, as it does for the user.
inline QStringList tabChain(QWidget *first, int count)
{
    QStringList names;
    first->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < count; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        if (qobject_cast<QAbstractSpinBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        names.append(focus->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

} // namespace testing
