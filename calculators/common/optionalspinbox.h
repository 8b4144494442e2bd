#pragma once

#include <QSpinBox>

#include <optional>

namespace calc {

// A spin box for a figure that may not be known: its lowest value stands for "not entered" and
// shows as 未入力, which is not 0. Emptying the field (Delete or Backspace until nothing is
// left) makes it 未入力 again; a digit typed over 未入力 replaces it.
class OptionalSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    // 0 to `maximum`, or 未入力 (the minimum, -1).
    explicit OptionalSpinBox(int maximum, QWidget *parent = nullptr);

    void setOptionalValue(std::optional<int> value);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    int valueFromText(const QString &text) const override;
};

// The figure a spin box holds, or none when it shows its special text (未入力) at its minimum
// or its field has been emptied.
std::optional<int> readOptional(const QSpinBox *box);

} // namespace calc
