#include "calculators/common/results.h"

#include <QLineEdit>

namespace calc {

bool showInputError(QLineEdit *errorLine, const QString &problem, const QList<QLineEdit *> &figures)
{
    if (problem.isEmpty()) {
        errorLine->clear();
        return true;
    }
    errorLine->setText(QStringLiteral("入力エラー: ") + problem);
    for (QLineEdit *figure : figures)
        figure->clear();
    return false;
}

} // namespace calc
