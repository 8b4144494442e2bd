#pragma once

// Checks that every calculator dialog with spin-box inputs, one 計算 button and one result field
// has to pass: its window, its buttons, its keyboard, closing, and a change of language.
//
// Each check is a void function, because QCOMPARE and QVERIFY return from the function they
// stand in. A test that goes on after a check wraps it in RUN_CHECK, which leaves the test
// function as well when the check has failed; a test may call its last check plainly.

#include "support/dialogs.h"
#include "support/translators.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

// Runs a shared check and, when it has failed, returns from the calling test function.
#define RUN_CHECK(check)                                                                          \
    do {                                                                                          \
        check;                                                                                    \
        if (QTest::currentTestFailed())                                                           \
            return;                                                                               \
    } while (false)

namespace testing {

using MakeDialog = std::function<std::unique_ptr<QDialog>()>;

// A new dialog of whichever of `Dialogs` has the class name `name`, or null.
template <typename... Dialogs>
std::unique_ptr<QDialog> makeNamed(const QString &name)
{
    std::unique_ptr<QDialog> made;
    ((name == QLatin1String(Dialogs::staticMetaObject.className())
              ? void(made = std::make_unique<Dialogs>())
              : void()),
     ...);
    return made;
}

// The shown window: its name and title, a fixed size the user cannot change, its modality and
// its icon.
inline void checkFixedWindow(QDialog *d, const QString &name, const QString &title, QSize size,
                             bool modal = true)
{
    QCOMPARE(d->objectName(), name);
    QCOMPARE(d->windowTitle(), title);
    QCOMPARE(d->size(), size);
    QCOMPARE(d->minimumSize(), size);
    QCOMPARE(d->maximumSize(), size);
    QCOMPARE(d->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(d->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(d->windowModality(), modal ? Qt::ApplicationModal : Qt::NonModal);
    QCOMPARE(d->isModal(), modal);
    QVERIFY(!d->windowIcon().isNull());
}

// 計算 inside the group box, the close button on the window below it, and an empty result.
inline void checkButtons(QDialog *d, const QString &closeText = QStringLiteral("閉じる"))
{
    QCOMPARE(child<QPushButton>(d, "pushButton_2")->text(), QStringLiteral("計算"));
    QCOMPARE(child<QPushButton>(d, "pushButton_2")->parentWidget(), child(d, "groupBox"));
    QCOMPARE(child<QPushButton>(d, "pushButton")->text(), closeText);
    QCOMPARE(child<QPushButton>(d, "pushButton")->parentWidget(), d);
    QVERIFY(child<QLineEdit>(d, "lineEdit")->text().isEmpty());
}

// The group box and its inputs: label, label_2, ... show `labels`; spinBox, spinBox_2, ... run
// from 0 to `maxima` and start at 0; all of them sit in the group box, and there are no others.
inline void checkGroupInputs(QDialog *d, const QString &groupTitle, const QStringList &labels,
                             const QList<int> &maxima)
{
    auto *box = child<QGroupBox>(d, "groupBox");
    QCOMPARE(box->title(), groupTitle);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QString name = i == 0 ? QStringLiteral("label") : QStringLiteral("label_%1").arg(i + 1);
        auto *label = d->findChild<QLabel *>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->text(), labels.at(i));
        QCOMPARE(label->parentWidget(), box);
    }
    QCOMPARE(d->findChildren<QLabel *>().size(), labels.size());

    const QStringList names = spinBoxNames(maxima.size());
    QCOMPARE(d->findChildren<QSpinBox *>().size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        auto *spin = d->findChild<QSpinBox *>(names.at(i));
        QVERIFY2(spin, qPrintable(names.at(i)));
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), maxima.at(i));
        QCOMPARE(spin->value(), 0);
        QCOMPARE(spin->parentWidget(), box);
    }
}

// Each of `places`, "widget layout" or "widget layout row column" for grids, says where a
// widget sits.
inline void checkPlaces(QDialog *d, const QStringList &places)
{
    for (const QString &place : places) {
        const QStringList p = place.split(u' ');
        QWidget *widget = d->findChild<QWidget *>(p.at(0));
        auto *layout = d->findChild<QLayout *>(p.at(1));
        QVERIFY2(widget && layout, qPrintable(place));
        const int index = layout->indexOf(widget);
        QVERIFY2(index >= 0, qPrintable(place));
        if (p.size() == 4) {
            int row, column, rowSpan, columnSpan;
            qobject_cast<QGridLayout *>(layout)->getItemPosition(index, &row, &column, &rowSpan,
                                                                 &columnSpan);
            QCOMPARE(QString::number(row) + u' ' + QString::number(column),
                     p.at(2) + u' ' + p.at(3));
        }
    }
}

// Every visible widget lies inside the fixed window: nothing is cut off. What a scroll area
// holds is meant to scroll; the area itself must lie inside.
inline void checkNothingCutOff(QDialog *d)
{
    const auto scrolled = [d](QWidget *w) {
        for (QWidget *p = w->parentWidget(); p && p != d; p = p->parentWidget()) {
            if (qobject_cast<QAbstractScrollArea *>(p))
                return true;
        }
        return false;
    };
    for (QWidget *w : d->findChildren<QWidget *>()) {
        if (w->isVisible() && !scrolled(w))
            QVERIFY2(d->rect().contains(QRect(w->mapTo(d, QPoint()), w->size())),
                     qPrintable(w->objectName()));
    }
}

// Tab, starting at the first input, visits `order`.
inline void checkTabOrder(QDialog *d, const QStringList &order)
{
    d->activateWindow(); // without a window manager, only modal windows get activated by showing
    QVERIFY(QTest::qWaitForWindowActive(d));
    QCOMPARE(tabChain(child(d, "spinBox"), order.size()), order);
}

// The whole form of a shown dialog whose inputs are labelled spin boxes in one group box.
inline void checkForm(QDialog *d, const QString &name, const QString &title, QSize size,
                      const QString &groupTitle, const QStringList &labels,
                      const QList<int> &maxima, const QStringList &places,
                      const QStringList &tabOrder,
                      const QString &closeText = QStringLiteral("閉じる"))
{
    RUN_CHECK(checkFixedWindow(d, name, title, size));
    RUN_CHECK(checkGroupInputs(d, groupTitle, labels, maxima));
    RUN_CHECK(checkButtons(d, closeText));
    RUN_CHECK(checkPlaces(d, places));
    RUN_CHECK(checkNothingCutOff(d));
    checkTabOrder(d, tabOrder);
}

// Typing `inputs` into the spin boxes `names` and pressing 計算 shows `expected` in full, over
// whatever the user had typed into the result, and leaves the inputs as typed. Text typed over
// the result is replaced again by the next press, with the same result.
inline void checkComputes(QDialog *d, const QStringList &names, const QList<int> &inputs,
                          const QString &expected)
{
    auto *result = child<QLineEdit>(d, "lineEdit");
    result->setText(QStringLiteral("typed by the user"));
    QCOMPARE(compute(d, names, inputs), expected);
    QVERIFY2(showsInFull(result), qPrintable(QStringLiteral("cut off: ") + expected));
    for (qsizetype i = 0; i < names.size(); ++i)
        QCOMPARE(child<QSpinBox>(d, names.at(i))->value(), inputs.at(i));

    result->setText(QStringLiteral("typed"));
    QTest::mouseClick(child<QPushButton>(d, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(result->text(), expected);
}

// The same for a dialog of several figures: lineEdit, lineEdit_2, ... show `expected`, each in
// full, over texts left from before.
inline void checkComputesAll(QDialog *d, const QStringList &names, const QList<int> &inputs,
                             const QStringList &expected)
{
    const QStringList fields = numberedNames(QStringLiteral("lineEdit"), expected.size());
    for (const QString &name : fields)
        child<QLineEdit>(d, name)->setText(QStringLiteral("stale"));
    compute(d, names, inputs);
    QStringList shown;
    for (const QString &name : fields) {
        auto *field = child<QLineEdit>(d, name);
        shown.append(field->text());
        QVERIFY2(showsInFull(field),
                 qPrintable(name + QStringLiteral(" cut off: ") + field->text()));
    }
    QCOMPARE(shown, expected);
    for (qsizetype i = 0; i < names.size(); ++i)
        QCOMPARE(child<QSpinBox>(d, names.at(i))->value(), inputs.at(i));
}

// By keyboard alone, in a dialog fresh from `make`: the first input has the focus on opening,
// Ctrl+A selects its text, Tab moves on and selects the next one's, and Return in the last one
// computes `expected` and leaves the dialog open. The same again with keypad Enter.
inline void checkEnterComputes(const MakeDialog &make, const QList<int> &inputs,
                               const QString &expected)
{
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        const auto d = make();
        d->show();
        d->activateWindow(); // without a window manager, only modal windows get activated
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        QCOMPARE(QApplication::focusWidget(), child(d.get(), "spinBox"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            if (i > 0)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QString::number(inputs.at(i)));
        }
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(child<QLineEdit>(d.get(), "lineEdit")->text(), expected);
        QVERIFY(d->isVisible());
    }
}

// The dialog, run with exec(), is rejected and hidden by its close button, or by Escape in the
// first input. A dialog that stays open fails within the watchdog's time, saying which way of
// closing it ignored.
inline void checkCloses(QDialog *d, bool byEscape)
{
    QWidget *target = byEscape ? child(d, "spinBox") : child<QPushButton>(d, "pushButton");
    if (QTest::currentTestFailed())
        return;
    const QString how = byEscape ? QStringLiteral("Escape in spinBox")
                                 : QStringLiteral("a click on pushButton \"%1\"")
                                           .arg(qobject_cast<QPushButton *>(target)->text());
    const int code = execUntilClosed(
            d,
            [target, byEscape] {
                if (byEscape)
                    QTest::keyClick(target, Qt::Key_Escape);
                else
                    QTest::mouseClick(target, Qt::LeftButton);
            },
            d->objectName() + QStringLiteral(" to close on ") + how);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(code, int(QDialog::Rejected));
    QVERIFY(!d->isVisible());
}

// Computes with `inputs` typed into `names` (giving `expected`, when one is given), then
// changes the language: the title, the group box title, every label and both buttons are
// translated anew from the texts of `context`; the inputs and the result, fixed words included,
// stay as they were, and so does the result of the next press. Changing back restores the texts.
inline void checkLanguageChange(QDialog *d, const QByteArray &context, const QString &title,
                                const QStringList &names, const QList<int> &inputs,
                                const QString &expected = {})
{
    const QString result = compute(d, names, inputs);
    if (!expected.isNull())
        QCOMPARE(result, expected);

    QList<std::pair<QLabel *, QString>> labels;
    for (QLabel *label : d->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            labels.append({label, label->text()});
    }
    QList<std::pair<QAbstractButton *, QString>> buttons;
    for (auto *button : d->findChildren<QAbstractButton *>())
        buttons.append({button, button->text()});
    auto *group = child<QGroupBox>(d, "groupBox");
    const QString groupTitle = group->title();

    const auto marked = [](const QString &text) { return u'[' + text + u']'; };
    MarkingTranslator translator(context);
    QCoreApplication::installTranslator(&translator); // posts a LanguageChange to every widget
    QTRY_COMPARE(d->windowTitle(), marked(title));
    QCOMPARE(group->title(), marked(groupTitle));
    for (const auto &[label, text] : std::as_const(labels))
        QCOMPARE(label->text(), marked(text));
    for (const auto &[button, text] : std::as_const(buttons))
        QCOMPARE(button->text(), marked(text));
    QCOMPARE(child<QPushButton>(d, "pushButton_2")->text(), QStringLiteral("[計算]"));
    for (qsizetype i = 0; i < names.size(); ++i)
        QCOMPARE(child<QSpinBox>(d, names.at(i))->value(), inputs.at(i));
    QCOMPARE(child<QLineEdit>(d, "lineEdit")->text(), result);
    QTest::mouseClick(child<QPushButton>(d, "pushButton_2"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(d, "lineEdit")->text(), result);

    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(d->windowTitle(), title);
    QCOMPARE(group->title(), groupTitle);
    for (const auto &[label, text] : std::as_const(labels))
        QCOMPARE(label->text(), text);
    for (const auto &[button, text] : std::as_const(buttons))
        QCOMPARE(button->text(), text);
}

} // namespace testing
