#pragma once

#include <QList>
#include <QString>

class QAbstractSpinBox;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;

// Every calculator reads its spin boxes through these, from the value rather than the
// displayed text, so that locales which show other digits than 0-9 still compute correctly.
namespace calc {

double readDouble(const QSpinBox *box);
int readInt(const QSpinBox *box);

// A decimal box of two decimals as a whole number of hundredths: the value rounded to the
// nearest hundredth once, so that everything computed from it stays exact (3.12 gives 312).
int readHundredths(const QDoubleSpinBox *box);

// Sets up every spin box in `dialog` for the way our users type, once the form is built:
//
// - A spin box selects its text only when Tab brings the focus to it. A calculator that has
//   just opened gives its first input the focus by activating the window, and the first digit
//   typed would then join the 0 the box shows ("7" reads as 70). Every spin box selects its
//   text when the dialog's first activation or a shortcut focuses it, so the first number
//   typed replaces the 0. Focus by mouse is left as Qt handles it.
// - A Japanese input method in its ordinary mode commits digits as full-width characters
//   ("７" for 7). Whether typed, committed or pasted, they are taken as the ASCII digits they
//   stand for before the box checks them, so "７５" counts as 75 and a box that holds at most
//   999 bounds "１０００" exactly as it bounds "1000". In a decimal box the full stops an input
//   method commits ("．", and "。" in hiragana mode) are its decimal point, so "３。１２" reads
//   3.12, and "－" its minus sign; a whole-number box refuses them as it refuses "." and "-".
//   Nothing else is widened: a full-width space behaves as a space does.
// - The boxes ask an input method for digits (a decimal box for a number with its point) and
//   no predictions.
void setUpInputs(QWidget *dialog);
// The same for `boxes` of `dialog` built after it was set up.
void setUpInputs(QWidget *dialog, const QList<QAbstractSpinBox *> &boxes);

} // namespace calc
