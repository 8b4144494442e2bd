#pragma once

#include "calculators/common/resulttext.h"

#include <QList>
#include <QString>

class QLineEdit;

// What a calculator writes into its result fields beyond the number texts of resulttext.h.
namespace calc {

// Writes "入力エラー: " and `problem` into `errorLine` and empties `figures`, since counts that
// cannot be have no figure; without a problem, empties `errorLine` alone. Returns whether the
// figures are to be written.
bool showInputError(
    QLineEdit *errorLine, const QString &problem, const QList<QLineEdit *> &figures);

} // namespace calc
