#pragma once

#include "calculators/common/ratio.h"

#include <QString>

// The ways a calculator writes a number as text: into its result field, a table or the clipboard.
// Free of widgets, so that the league table's engine writes its cells the same way.
namespace calc {

// Fixed notation with exactly `precision` decimals and a full stop whatever the locale;
// a value that rounds to zero is written without a minus sign ("0.0", never "-0.0").
// For values that are exact at that precision (halves, tenths); averages go through
// roundedRatio.
QString decimalResult(double value, int precision);

// The exact quotient written like decimalResult with `decimals` (0 to 9) decimals, rounded half
// up as the scoring rules require: a remainder of one half or more raises the last digit
// (0.2875 gives 0.288, 1.125 gives 1.13). Negative quotients are rounded by their magnitude and
// never written as "-0". 0 over 0 is written as zero; any other numerator over 0 as "∞" ("-∞"
// when negative).
//
// Computed in 64-bit integers: the largest intermediate, 2 * 10^9 * 2^31 + 2^31 (about
// 4.3e18), stays below 2^63 - 1 (about 9.2e18) for every int numerator and denominator.
QString roundedRatio(Ratio value, int decimals);

// roundedRatio, except that 0 over 0, nothing to average, is written "-" as the papers print it.
QString rateResult(Ratio value, int decimals);

// Plain decimal digits, a minus sign for negative values and no plus sign.
QString wholeResult(int value);

} // namespace calc
