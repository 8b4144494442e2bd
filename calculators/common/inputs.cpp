#include "calculators/common/inputs.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QFocusEvent>
#include <QSpinBox>
#include <QTimer>

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

} // namespace

void selectInputsOnEntry(QWidget *dialog)
{
    auto *selector = new EntrySelector(dialog);
    for (auto *box : dialog->findChildren<QAbstractSpinBox *>())
        box->installEventFilter(selector);
}

double readDouble(const QSpinBox *box)
{
    return box->value();
}

int readInt(const QSpinBox *box)
{
    return box->value();
}

} // namespace calc
