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

// `numerator` over `denominator`, or 0 over 0 when the denominator is 0: a rate with nothing to
// average, which the papers print as "-" rather than as an infinite or a zero rate.
constexpr Ratio rate(int numerator, int denominator)
{
    return { denominator == 0 ? 0 : numerator, denominator };
}

} // namespace calc
