#pragma once

#include <QString>

// The two ways a calculator writes a number into its result field.
namespace calc {

// Fixed notation with exactly `precision` decimals and a full stop whatever the locale;
// a value that rounds to zero is written without a minus sign ("0.0", never "-0.0").
QString decimalResult(double value, int precision);

// Plain decimal digits, a minus sign for negative values and no plus sign.
QString wholeResult(int value);

} // namespace calc
