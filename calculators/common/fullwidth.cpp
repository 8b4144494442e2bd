#include "calculators/common/fullwidth.h"

namespace calc {

bool isFullWidthDigit(QChar c)
{
    return c >= u'０' && c <= u'９';
}

QString asciiDigits(QString text)
{
    for (QChar &c : text) {
        if (isFullWidthDigit(c))
            c = QChar(char16_t(u'0' + (c.unicode() - u'０')));
    }
    return text;
}

} // namespace calc
