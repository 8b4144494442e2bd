#pragma once

// Running a calculator the way the main window does (its launch slot blocks in the dialog's own
// event loop) with a watchdog, so that a dialog that never opens or never closes fails the test
// instead of hanging it.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace testing {

// The visible dialog most recently shown, or null.
inline QDialog *shownDialog()
{
    QDialog *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
            found = d;
    }
    return found;
}

// Presses `button` and calls `check` with the dialog it opens, from inside the dialog's event
// loop; then closes the dialog. Returns an empty string, or what went wrong.
template <typename Check>
QString inLaunchedDialog(QAbstractButton *button, Check check, int timeoutMs = 20000)
{
    bool seen = false;
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        while (QDialog *d = shownDialog())
            d->close();
    });
    watchdog.start(timeoutMs);
    QTimer::singleShot(0, button, [&seen, &check] {
        QPointer<QDialog> dialog = shownDialog();
        if (!dialog)
            return;
        seen = true;
        check(dialog.data());
        if (dialog)
            dialog->close();
    });
    button->click();
    watchdog.stop();
    if (timedOut)
        return QStringLiteral("%1: the dialog was still open after %2 ms")
                .arg(button->objectName())
                .arg(timeoutMs);
    if (!seen)
        return QStringLiteral("%1 opened no dialog").arg(button->objectName());
    return {};
}

} // namespace testing
