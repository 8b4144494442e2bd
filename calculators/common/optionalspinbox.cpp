#include "calculators/common/optionalspinbox.h"

#include <QHash>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace calc {

namespace {

const QString notEntered = QStringLiteral("未入力");

} // namespace

OptionalSpinBox::OptionalSpinBox(QWidget *parent)
    : QSpinBox(parent)
    , m_placeholder(notEntered)
{
    // In this order the field is laid out once, not three times: 未入力 shows at once (0 is
    // the minimum still), and stays as the minimum moves to -1 and the box takes it.
    setSpecialValueText(notEntered);
    setRange(-1, 99);
    setValue(-1);
}

std::optional<int> OptionalSpinBox::optionalValue() const
{
    if (value() == minimum() || text().trimmed().isEmpty())
        return std::nullopt;
    return value();
}

void OptionalSpinBox::setOptionalValue(std::optional<int> value)
{
    setValue(value.value_or(minimum()));
}

void OptionalSpinBox::setDerived(std::optional<int> derived, const QString &why)
{
    const QString placeholder = derived ? QStringLiteral("(%1)").arg(*derived) : notEntered;
    m_why = why;
    if (placeholder == m_placeholder)
        return;
    m_placeholder = placeholder;
    // Typed over or emptied, the box shows the placeholder of the moment once it takes its text.
    connect(this, &QSpinBox::valueChanged, this, &OptionalSpinBox::showPlaceholder,
        Qt::UniqueConnection);
    connect(this, &QAbstractSpinBox::editingFinished, this, &OptionalSpinBox::showPlaceholder,
        Qt::UniqueConnection);
    showPlaceholder();
}

void OptionalSpinBox::showPlaceholder()
{
    // A field being emptied keeps its empty text: a new special text would put the old figure
    // back into it.
    if (text().trimmed().isEmpty())
        return;
    if (specialValueText() != m_placeholder)
        setSpecialValueText(m_placeholder);
    const bool derived = value() == minimum() && m_placeholder != notEntered;
    if (derived == m_derivedShown)
        return;
    m_derivedShown = derived;
    setToolTip(derived ? m_why : QString());
    QPalette palette;
    if (derived) {
        palette = this->palette();
        for (const auto group : { QPalette::Active, QPalette::Inactive })
            palette.setColor(
                group, QPalette::Text, palette.color(group, QPalette::PlaceholderText));
    }
    lineEdit()->setPalette(palette);
}

QSize OptionalSpinBox::sizeHint() const
{
    static QHash<QString, QSize> measured;
    const QString key = font().key() + u'|' + QString::number(quintptr(style())) + u'|'
        + QString::number(minimum()) + u'|' + QString::number(maximum()) + u'|'
        + QString::number(int(buttonSymbols())) + u'|' + QString::number(hasFrame());
    if (const auto known = measured.constFind(key); known != measured.cend())
        return *known;
    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    int width = metrics.horizontalAdvance(notEntered);
    for (const int figure : { minimum(), maximum() })
        width = std::max(width, metrics.horizontalAdvance(textFromValue(figure) + u' '));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    // Two pixels for the blinking cursor, as Qt's own measure.
    const QSize size = style()->sizeFromContents(
        QStyle::CT_SpinBox, &option, QSize(width + 2, lineEdit()->sizeHint().height()), this);
    measured.insert(key, size);
    return size;
}

QSize OptionalSpinBox::minimumSizeHint() const
{
    return sizeHint();
}

QValidator::State OptionalSpinBox::validate(QString &input, int &pos) const
{
    // Typed into the shown placeholder, wherever it was clicked: what was typed stays, what is
    // left of the placeholder goes ("未1入力" is 1, "(53)" over "(3)" is 5).
    const QString &shown = specialValueText();
    if (value() == minimum() && input != shown) {
        qsizetype head = 0;
        while (head < input.size() && head < shown.size() && input.at(head) == shown.at(head))
            ++head;
        qsizetype tail = 0;
        while (tail < input.size() - head && tail < shown.size() - head
            && input.at(input.size() - 1 - tail) == shown.at(shown.size() - 1 - tail))
            ++tail;
        input = input.mid(head, input.size() - head - tail);
        pos = int(std::clamp<qsizetype>(pos - head, 0, input.size()));
    }
    if (input == shown)
        return QValidator::Acceptable;
    // The minimum is reached through an empty field, never by typing a sign.
    if (input.contains(u'-') || input.contains(u'+'))
        return QValidator::Invalid;
    return QSpinBox::validate(input, pos);
}

// An emptied field is taken as not entered when the box takes its text (Enter, Tab, leaving
// it); while the user edits, an empty field is only on its way to a number.
void OptionalSpinBox::fixup(QString &input) const
{
    if (input.trimmed().isEmpty())
        input = specialValueText();
    else
        QSpinBox::fixup(input);
}

int OptionalSpinBox::valueFromText(const QString &text) const
{
    if (text.trimmed().isEmpty() || text == specialValueText())
        return minimum();
    return QSpinBox::valueFromText(text);
}

} // namespace calc
