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

// Writes `text` into a result line so that it reads from its beginning: a text wider than the
// line otherwise shows its end, since the cursor goes there. The whole text is also the line's
// tooltip, for a line too narrow for it.
void showText(QLineEdit *line, const QString &text);

} // namespace calc
