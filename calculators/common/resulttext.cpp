#include "calculators/common/resulttext.h"

#include <QChar>
#include <QVariant>
#include <QtGlobal>

#include <algorithm>
#include <array>

namespace calc {

QString decimalResult(double value, int precision)
{
    QString text = QStringLiteral("%1").arg(value, 0, 'f', precision, QChar(u' '));
    // -0.0, and negative values that round to zero, would otherwise keep their sign.
    if (text.startsWith(u'-') && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

QString roundedRatio(Ratio value, int decimals)
{
    static constexpr std::array<qint64, 10> powersOfTen
        = { 1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000 };
    Q_ASSERT(decimals >= 0 && decimals < int(powersOfTen.size()));
    decimals = std::clamp(decimals, 0, int(powersOfTen.size()) - 1);

    // Magnitudes in 64 bits: the magnitude of INT_MIN does not fit an int.
    const bool negative = (value.numerator < 0) != (value.denominator < 0);
    const qint64 numerator = qAbs(qint64(value.numerator));
    const qint64 denominator = qAbs(qint64(value.denominator));

    if (denominator == 0) {
        if (numerator == 0)
            return roundedRatio({ 0, 1 }, decimals);
        return negative ? QStringLiteral("-\u221E") : QStringLiteral("\u221E");
    }

    // The quotient in units of the last decimal, plus one half, floored: half up.
    const qint64 scale = powersOfTen[decimals];
    const qint64 units = (2 * scale * numerator + denominator) / (2 * denominator);

    // The digits of the units, with zeros in front up to "0" and the decimals, then the point.
    QString text = QString::number(units);
    if (text.size() <= decimals)
        text.prepend(QString(decimals + 1 - text.size(), u'0'));
    if (decimals > 0)
        text.insert(text.size() - decimals, u'.');
    if (negative && units != 0)
        text.prepend(u'-');
    return text;
}

QString rateResult(Ratio value, int decimals)
{
    if (value.numerator == 0 && value.denominator == 0)
        return QStringLiteral("-");
    return roundedRatio(value, decimals);
}

QString wholeResult(int value)
{
    return QVariant(value).toString();
}

} // namespace calc
