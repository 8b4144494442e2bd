#include "calculators/common/optionalspinbox.h"

#include <algorithm>

namespace calc {

namespace {

const QString notEntered = QStringLiteral("未入力");

} // namespace

OptionalSpinBox::OptionalSpinBox(int maximum, QWidget *parent)
    : QSpinBox(parent)
{
    setRange(-1, maximum);
    setSpecialValueText(notEntered);
    setValue(-1);
}

void OptionalSpinBox::setOptionalValue(std::optional<int> value)
{
    setValue(value.value_or(minimum()));
}

QValidator::State OptionalSpinBox::validate(QString &input, int &pos) const
{
    // A digit typed into the shown 未入力 (clicked into rather than selected) replaces it.
    if (input != notEntered && input.contains(notEntered)) {
        const qsizetype at = input.indexOf(notEntered);
        if (pos > at)
            pos = int(std::max<qsizetype>(at, pos - notEntered.size()));
        input.remove(at, notEntered.size());
    }
    if (input == notEntered)
        return QValidator::Acceptable;
    // The minimum is reached through an empty field, never by typing a sign.
    if (input.contains(u'-') || input.contains(u'+'))
        return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}

// An emptied field is taken as 未入力 when the box takes its text (Enter, Tab, leaving it); while
// the user edits, an empty field is only on its way to a number.
void OptionalSpinBox::fixup(QString &input) const
{
    if (input.trimmed().isEmpty())
        input = notEntered;
    else
        QSpinBox::fixup(input);
}

int OptionalSpinBox::valueFromText(const QString &text) const
{
    if (text.trimmed().isEmpty() || text == notEntered)
        return minimum();
    return QSpinBox::valueFromText(text);
}

std::optional<int> readOptional(const QSpinBox *box)
{
    // An emptied field is not entered even before the box has taken its text (a compute
    // button pressed by a shortcut leaves the focus where it is).
    if (box->text().trimmed().isEmpty()
        || (!box->specialValueText().isEmpty() && box->value() == box->minimum()))
        return std::nullopt;
    return box->value();
}

} // namespace calc
