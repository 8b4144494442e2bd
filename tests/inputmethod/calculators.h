#pragma once

// Reaching every calculator the way a user does, through the main window's launch buttons, so
// that a calculator added there is covered without editing the tests that use this.

#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBox>

#include <functional>

namespace testing {

inline QString fullWidth(const QString &ascii)
{
    QString wide = ascii;
    for (QChar &c : wide) {
        if (c.isDigit())
            c = QChar(char16_t(u'０' + (c.unicode() - u'0')));
    }
    return wide;
}

// Whatever stays open when a check gives up: a context menu, then the dialogs.
inline void closeEverything()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(w) && w->isVisible())
            w->close();
    }
}

inline QDialog *visibleDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}

// The calculators' launch buttons: every push button in the main window's group boxes.
inline QList<QPushButton *> launchButtons(MainWindow &window)
{
    QList<QPushButton *> buttons;
    for (QGroupBox *group : window.findChildren<QGroupBox *>())
        buttons += group->findChildren<QPushButton *>();
    return buttons;
}

// Presses `launch` and runs `check` on the dialog it opens, inside the dialog's own event loop,
// then closes it. A watchdog closes menus and dialogs if anything is stuck in a loop of its
// own, and is stopped when this returns. Returns the dialog's name, or nothing if none opened.
inline QString withDialog(
    QPushButton *launch, const std::function<void(QDialog *)> &check, bool *timedOut)
{
    QString name;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [timedOut] {
        *timedOut = true;
        closeEverything();
    });
    watchdog.start(120000);
    QObject inLoop; // the check below must not outlive this call
    QTimer::singleShot(0, &inLoop, [&] {
        QDialog *dialog = visibleDialog();
        if (!dialog)
            return;
        name = dialog->objectName();
        // Without a window manager an X server activates no window by itself. Qt counts a dialog
        // as active while its parent window is, so wait for the focus to reach the dialog itself.
        dialog->activateWindow();
        if (!waitForActive(dialog))
            qWarning("%s never became active", qPrintable(name));
        check(dialog);
        closeEverything();
    });
    launch->click();
    return name;
}

// Runs `check` on every calculator in turn; fails with the launch button's name if it opens none.
inline void forEveryDialog(const std::function<void(QDialog *)> &check)
{
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QList<QPushButton *> buttons = launchButtons(window);
    QVERIFY2(!buttons.isEmpty(), "no push buttons in the main window's group boxes");
    for (QPushButton *button : buttons) {
        bool timedOut = false;
        const QString name = withDialog(button, check, &timedOut);
        QVERIFY2(!name.isEmpty(),
            qPrintable(QStringLiteral("%1 opened no dialog").arg(button->objectName())));
        QVERIFY2(!timedOut, qPrintable(QStringLiteral("%1 timed out").arg(name)));
        if (QTest::currentTestFailed())
            return;
    }
}

// The relief-point dialog keeps its inputs on tool-box pages; a box must be on the open page
// to take the focus.
inline void reveal(QWidget *box)
{
    for (QWidget *w = box->parentWidget(); w; w = w->parentWidget()) {
        if (auto *toolBox = qobject_cast<QToolBox *>(w)) {
            for (int i = 0; i < toolBox->count(); ++i) {
                if (toolBox->widget(i)->isAncestorOf(box))
                    toolBox->setCurrentIndex(i);
            }
        }
    }
}

inline QString describe(const QSpinBox *box)
{
    return QStringLiteral("%1 in %2").arg(box->objectName(), box->window()->objectName());
}

} // namespace testing
