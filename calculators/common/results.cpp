#include "calculators/common/results.h"

#include <QChar>
#include <QVariant>

namespace calc {

QString decimalResult(double value, int precision)
{
    QString text = QStringLiteral("%1").arg(value, 0, 'f', precision, QChar(u' '));
    // -0.0, and negative values that round to zero, would otherwise keep their sign.
    if (text.startsWith(u'-') && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text;
}

QString wholeResult(int value)
{
    return QVariant(value).toString();
}

} // namespace calc
