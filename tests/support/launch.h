#pragma once

// Finding the calculators the way a user does: through the main window's launch buttons, so that
// a calculator added to the main window is covered without editing these tests.

#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace testing {

// The launch buttons of the team, batter and pitcher groups, in the order of the groups. A
// missing group fails the test with its name.
inline QList<QPushButton *> launchButtons(QMainWindow *window)
{
    QList<QPushButton *> buttons;
    for (const char *group : { "groupBox", "groupBox_2", "groupBox_3" }) {
        if (auto *box = window->findChild<QGroupBox *>(QLatin1String(group)))
            buttons += box->findChildren<QPushButton *>();
        else
            QTest::qFail(qPrintable(QStringLiteral("%1 has no QGroupBox named \"%2\"")
                                        .arg(window->objectName(), QLatin1String(group))),
                __FILE__, __LINE__);
    }
    return buttons;
}

// A "button" column with a row for each launch button, named after the dialog it opens.
inline void launchedDialogRows()
{
    QTest::addColumn<QString>("button");

    MainWindow window;
    window.show();
    const auto buttons = launchButtons(&window);
    QVERIFY(!buttons.isEmpty());
    for (QPushButton *button : buttons) {
        QString dialog;
        QVERIFY(withLaunchedDialog(button, [&](QDialog *d) { dialog = d->objectName(); }));
        QTest::newRow(qPrintable(dialog)) << button->objectName();
    }
}

// How long forEveryDialog() lets a check take in one dialog: typing into every box of the
// largest calculator through a real input method takes a while.
constexpr int everyDialogCheckMs = 120000;

// Runs `check` on every calculator in turn, from inside the dialog's own loop and with the
// dialog itself active, so that keys reach it; then closes menus and dialogs. Fails with the
// launch button's name if it opens none, and stops at the first failure.
inline void forEveryDialog(const std::function<void(QDialog *)> &check)
{
    MainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QList<QPushButton *> buttons = launchButtons(&window);
    QVERIFY2(!buttons.isEmpty(), "no push buttons in the main window's group boxes");
    for (QPushButton *button : buttons) {
        const bool opened = withLaunchedDialog(
            button,
            [&check](QDialog *dialog) {
                // Without a window manager an X server activates no window by itself. Qt counts
                // a dialog as active while its parent window is, so wait for the focus to reach
                // the dialog itself.
                dialog->activateWindow();
                if (!waitForActive(dialog))
                    qWarning("%s never became active", qPrintable(dialog->objectName()));
                check(dialog);
                closePopupsAndDialogs();
            },
            everyDialogCheckMs);
        QVERIFY2(
            opened, qPrintable(QStringLiteral("%1 opened no dialog").arg(button->objectName())));
        if (QTest::currentTestFailed())
            return;
    }
}

// A dialog's compute buttons ("計算"); the relief-point dialog has one per page.
inline QList<QPushButton *> computeButtons(QDialog *dialog)
{
    QList<QPushButton *> buttons;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("計算"))
            buttons.append(button);
    }
    return buttons;
}

// The result fields written by `compute`: the line edits beside it, in the same group box or
// page (one, or a row of figures and an error line).
inline QList<QLineEdit *> resultFields(QPushButton *compute)
{
    return compute->parentWidget()->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly);
}

} // namespace testing
