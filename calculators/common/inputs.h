#pragma once

class QSpinBox;

// Every calculator reads its spin boxes through these, from the value rather than the
// displayed text, so that locales which show other digits than 0-9 still compute correctly.
namespace calc {

double readDouble(const QSpinBox *box);
int readInt(const QSpinBox *box);

} // namespace calc
