#pragma once

// Finding the calculators the way a user does: through the main window's launch buttons, so that
// a calculator added to the main window is covered without editing these tests.

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

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

// The result field written by `compute`: the line edit beside it, in the same group box or page.
inline QLineEdit *resultField(QPushButton *compute)
{
    const auto fields
        = compute->parentWidget()->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly);
    return fields.size() == 1 ? fields.first() : nullptr;
}

} // namespace testing
