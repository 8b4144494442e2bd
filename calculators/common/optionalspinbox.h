#pragma once

#include <QSpinBox>

#include <optional>

namespace calc {

// A spin box for a figure that may not be known: its minimum stands for "not entered" and
// shows as 未入力, which is not 0, so its range runs from one below the least figure (0 to 99:
// the range -1 to 99, the default). Emptying the field (Delete or Backspace until nothing is
// left) makes it 未入力 again; a digit typed into 未入力, wherever it was clicked, replaces it.
//
// A figure that is not entered but follows from others can be shown in its place, in paler
// text, "(3)": the box still holds no figure until one is typed, and emptying it shows the
// derived one again.
class OptionalSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit OptionalSpinBox(QWidget *parent = nullptr);

    // None when not entered, also while the field is emptied and not yet taken (a button
    // pressed by a shortcut leaves the focus in the field).
    std::optional<int> optionalValue() const;
    void setOptionalValue(std::optional<int> value);

    // What shows while no figure is entered: `derived` in brackets with `why` as its tool tip,
    // or 未入力 when there is none.
    void setDerived(std::optional<int> derived, const QString &why = QString());

    // As wide as 未入力 or the widest figure, whatever the placeholder shows, so that a new
    // placeholder moves nothing; boxes alike (a form's sixty figures) are measured once.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    int valueFromText(const QString &text) const override;

private:
    void showPlaceholder();

    QString m_placeholder; // 未入力, or the derived figure in brackets
    QString m_why;
    bool m_derivedShown = false; // in paler text, with m_why as its tool tip
};

} // namespace calc
