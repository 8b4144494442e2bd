#pragma once

// An average kept as the exact quotient of two counts, so that its rounding is decided on the
// true value and not on a binary approximation of it (.2875 is stored as 0.28749999... in a
// double, which would round down).
namespace calc {

struct Ratio
{
    int numerator;
    // 0 over 0 stands for "nothing to average" and is written as zero; any other numerator over
    // 0 is an infinite average.
    int denominator;
};

} // namespace calc
