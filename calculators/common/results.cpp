#include "calculators/common/results.h"

#include <QLineEdit>

namespace calc {

bool showInputError(QLineEdit *errorLine, const QString &problem, const QList<QLineEdit *> &figures)
{
    if (problem.isEmpty()) {
        showText(errorLine, QString());
        return true;
    }
    showText(errorLine, QStringLiteral("入力エラー: ") + problem);
    for (QLineEdit *figure : figures)
        figure->clear();
    return false;
}

void showText(QLineEdit *line, const QString &text)
{
    line->setText(text);
    line->setCursorPosition(0);
    line->setToolTip(text);
}

} // namespace calc
