#pragma once

// What the input-method tests need beside the shared helpers: full-width twins of ASCII digits,
// and spin boxes brought into view and named in messages. The calculators themselves are
// reached through the main window's launch buttons (forEveryDialog()), so that a calculator
// added there is covered without editing the tests that use this.

#include "support/launch.h"

#include <QSpinBox>
#include <QString>
#include <QToolBox>
#include <QWidget>

namespace testing {

inline QString fullWidth(const QString &ascii)
{
    QString wide = ascii;
    for (QChar &c : wide) {
        if (c.isDigit())
            c = QChar(char16_t(u'０' + (c.unicode() - u'0')));
    }
    return wide;
}

// The relief-point dialog keeps its inputs on tool-box pages; a box must be on the open page
// to take the focus.
inline void reveal(QWidget *box)
{
    for (QWidget *w = box->parentWidget(); w; w = w->parentWidget()) {
        if (auto *toolBox = qobject_cast<QToolBox *>(w)) {
            for (int i = 0; i < toolBox->count(); ++i) {
                if (toolBox->widget(i)->isAncestorOf(box))
                    toolBox->setCurrentIndex(i);
            }
        }
    }
}

// A spin box's value and maximum, whole or decimal.
inline double valueOf(const QAbstractSpinBox *box)
{
    return box->property("value").toDouble();
}

inline double maximumOf(const QAbstractSpinBox *box)
{
    return box->property("maximum").toDouble();
}

inline QString describe(const QAbstractSpinBox *box)
{
    return QStringLiteral("%1 in %2").arg(box->objectName(), box->window()->objectName());
}

} // namespace testing
