#pragma once

// Helpers for driving calculator dialogs the way a user does.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace testing {

// The visible dialog most recently shown, or null.
inline QDialog *openDialog()
{
    QDialog *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
            found = d;
    }
    return found;
}

// Presses `button`, which runs a dialog in its own event loop, and calls `check` with that
// dialog from inside the loop. The dialog is closed afterwards whatever `check` found, so a
// failing check cannot hang the test. Returns whether a dialog was seen at all.
template <typename Check>
bool withLaunchedDialog(QAbstractButton *button, Check check)
{
    bool seen = false;
    QTimer::singleShot(0, button, [&seen, &check] {
        QPointer<QDialog> dialog = openDialog();
        if (!dialog)
            return;
        seen = true;
        check(dialog.data());
        if (dialog)
            dialog->close();
    });
    button->click();
    return seen;
}

template <typename T = QWidget>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// Types `values` into the spin boxes `names` (in that order) as a user would, replacing
// what was there, then presses the compute button and returns the result text.
inline QString compute(QDialog *dialog, const QStringList &names, const QList<int> &values,
                       const char *computeButton = "pushButton_2", const char *result = "lineEdit")
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto *box = dialog->findChild<QSpinBox *>(names.at(i));
        if (!box)
            return QStringLiteral("<no spin box %1>").arg(names.at(i));
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

// spinBox, spinBox_2, ...: the names the form gives a dialog's inputs, in their reading order.
inline QStringList spinBoxNames(qsizetype count)
{
    QStringList names{QStringLiteral("spinBox")};
    for (qsizetype i = 2; i <= count; ++i)
        names.append(QStringLiteral("spinBox_%1").arg(i));
    return names;
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
