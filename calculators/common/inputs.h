#pragma once

class QSpinBox;
class QWidget;

// Every calculator reads its spin boxes through these, from the value rather than the
// displayed text, so that locales which show other digits than 0-9 still compute correctly.
namespace calc {

double readDouble(const QSpinBox *box);
int readInt(const QSpinBox *box);

// A spin box selects its text only when Tab brings the focus to it. A calculator that has
// just opened gives its first input the focus by activating the window, and the first digit
// typed would then join the 0 the box shows ("7" reads as 70). This makes every spin box in
// `dialog` select its text when the dialog's first activation or a shortcut focuses it, so
// the first number typed replaces the 0. Focus by mouse is left as Qt handles it.
void selectInputsOnEntry(QWidget *dialog);

} // namespace calc
