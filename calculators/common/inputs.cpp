#include "calculators/common/inputs.h"

#include "calculators/common/fullwidth.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTimer>
#include <QValidator>

namespace calc {

namespace {

// Watches the dialog for being shown and activated, and its spin boxes for gaining the focus.
// Only the first activation after a show selects: coming back to the window later
// leaves a half-typed number as it was.
class EntrySelector : public QObject
{
public:
    explicit EntrySelector(QWidget *dialog) : QObject(dialog), m_dialog(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog) {
            if (event->type() == QEvent::Show) {
                m_armed = true;
            } else if (event->type() == QEvent::WindowActivate && m_armed) {
                // The window gives its focus widget the focus right after this event; the
                // opening is over once control is back in the event loop.
                m_armed = false;
                m_opening = true;
                QTimer::singleShot(0, this, [this] { m_opening = false; });
            }
        } else if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::ShortcutFocusReason
                || (reason == Qt::ActiveWindowFocusReason && m_opening)) {
                // The box's own focus handling runs after this filter and would undo a
                // selection made now.
                QTimer::singleShot(0, watched, [watched] { select(watched); });
            }
        }
        return false;
    }

private:
    static void select(QObject *target)
    {
        auto *box = qobject_cast<QAbstractSpinBox *>(target);
        if (box && box->hasFocus())
            box->selectAll();
    }

    QWidget *m_dialog;
    bool m_armed = false;
    bool m_opening = false;
};

// `text` as `box` takes it: full-width digits made ASCII, and in a decimal box the full stops
// of an input method (full-width, and ideographic as hiragana mode types it) made its decimal
// point and the full-width minus its minus sign. Each character stays one character, so the
// cursor keeps its place.
QString boxText(QString text, const QObject *box)
{
    text = asciiDigits(text);
    if (const auto *decimal = qobject_cast<const QDoubleSpinBox *>(box)) {
        const QString point = decimal->locale().decimalPoint();
        const QString minus = decimal->locale().negativeSign();
        if (point.size() == 1) {
            text.replace(u'．', point.front());
            text.replace(u'。', point.front());
        }
        if (minus.size() == 1)
            text.replace(u'－', minus.front());
    }
    return text;
}

// Stands in front of a spin box's own validator on its line edit. The line edit asks the
// validator about every change, whether it comes from a key, an input method, the clipboard
// or the context menu, and takes the text as the validator leaves it; so full-width digits
// (and a decimal box's full stops) are made ASCII here and the box's own rules (range, signs,
// spaces) then judge the text as if it had been entered so. The replacement keeps the text's
// length and the cursor.
class FullWidthDigits : public QValidator
{
public:
    FullWidthDigits(const QValidator *own, QAbstractSpinBox *box)
        : QValidator(box)
        , m_own(own)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        input = boxText(input, parent());
        return m_own ? m_own->validate(input, pos) : Acceptable;
    }

    void fixup(QString &input) const override
    {
        input = boxText(input, parent());
        if (m_own)
            m_own->fixup(input);
    }

private:
    QPointer<const QValidator> m_own;
};

// A text the validator rewrites replaces the line edit's undo history, so Ctrl+Z would not
// take back a digit typed full-width. Typed keys and input-method commits, the ways our users
// enter numbers, are therefore made ASCII before the box sees them; the validator is left
// with pasted text.
class FullWidthTyping : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            const QString text = boxText(key->text(), watched);
            if (text == key->text())
                return false;
            const int code = text.size() == 1 && text.at(0).isDigit()
                ? Qt::Key_0 + (text.at(0).unicode() - u'0')
                : key->key();
            QKeyEvent ascii(key->type(), code, key->modifiers(), key->nativeScanCode(),
                key->nativeVirtualKey(), key->nativeModifiers(), text, key->isAutoRepeat(),
                key->count(), key->device());
            QCoreApplication::sendEvent(watched, &ascii);
            event->setAccepted(ascii.isAccepted());
            return true;
        }
        if (event->type() == QEvent::InputMethod) {
            auto *im = static_cast<QInputMethodEvent *>(event);
            const QString commit = boxText(im->commitString(), watched);
            if (commit == im->commitString())
                return false;
            QInputMethodEvent ascii(im->preeditString(), im->attributes());
            ascii.setCommitString(commit, im->replacementStart(), im->replacementLength());
            QCoreApplication::sendEvent(watched, &ascii);
            event->setAccepted(ascii.isAccepted());
            return true;
        }
        return false;
    }
};

void takeFullWidthDigits(QAbstractSpinBox *box, QObject *typing)
{
    box->installEventFilter(typing);
    // The spin box's line edit is its only direct line-edit child; the box gives it its
    // validator when it creates it and never replaces it afterwards.
    auto *edit = box->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    if (edit && !dynamic_cast<const FullWidthDigits *>(edit->validator()))
        edit->setValidator(new FullWidthDigits(edit->validator(), box));
}

} // namespace

void setUpInputs(QWidget *dialog)
{
    setUpInputs(dialog, dialog->findChildren<QAbstractSpinBox *>());
}

void setUpInputs(QWidget *dialog, const QList<QAbstractSpinBox *> &boxes)
{
    if (boxes.isEmpty())
        return;
    auto *selector = new EntrySelector(dialog);
    auto *typing = new FullWidthTyping(dialog);
    for (auto *box : boxes) {
        box->installEventFilter(selector);
        takeFullWidthDigits(box, typing);
        // Qt asks for digits only already (a decimal box for a formatted number, its point
        // included); an input method that knows no such restriction may still honour a
        // preference, and a count needs no predictions.
        box->setInputMethodHints(
            box->inputMethodHints() | Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText);
    }
}

double readDouble(const QSpinBox *box)
{
    return box->value();
}

int readInt(const QSpinBox *box)
{
    return box->value();
}

int readHundredths(const QDoubleSpinBox *box)
{
    return qRound(box->value() * 100);
}

} // namespace calc
