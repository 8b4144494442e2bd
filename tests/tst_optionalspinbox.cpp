// The optional spin box as a user works it: a figure typed over 未入力 or over a derived "(3)"
// stays, wherever the field was clicked, however it was typed; an emptied field is not entered,
// at once and after the box takes its text, and shows its placeholder again.

#include "calculators/common/inputs.h"
#include "calculators/common/optionalspinbox.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QString why = QStringLiteral("カード試合数から");

const QMap<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
    { QStringLiteral("Tab"), { Qt::Key_Tab, {} } },
    { QStringLiteral("Enter"), { Qt::Key_Return, {} } },
    { QStringLiteral("Del"), { Qt::Key_Delete, {} } },
    { QStringLiteral("Back"), { Qt::Key_Backspace, {} } },
    { QStringLiteral("All"), { Qt::Key_A, Qt::ControlModifier } },
};

// One step of a user: "@2" clicks before the third character shown, "Tab", "Enter", "Del",
// "Back", "All" (Ctrl+A), "im:１２" an input method's commit; anything else is typed key by key.
void act(calc::OptionalSpinBox *box, const QString &step)
{
    QWidget *focus = QApplication::focusWidget();
    if (step.startsWith(u'@')) {
        QLineEdit *edit = box->findChild<QLineEdit *>();
        const int at = step.mid(1).toInt();
        edit->setCursorPosition(at);
        const QPoint point = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        edit->setCursorPosition(at == 0 ? int(edit->text().size()) : 0);
        QTest::mouseClick(edit, Qt::LeftButton, {}, point);
        QCOMPARE(edit->cursorPosition(), at);
    } else if (step.startsWith(QStringLiteral("im:"))) {
        QInputMethodEvent commit;
        commit.setCommitString(step.mid(3));
        QCoreApplication::sendEvent(focus, &commit);
    } else if (keys.contains(step)) {
        QTest::keyClick(focus, keys.value(step).first, keys.value(step).second);
    } else {
        QTest::keyClicks(focus, step);
    }
}

} // namespace

class tst_OptionalSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void entered_data();
    void entered();
};

void tst_OptionalSpinBox::entered_data()
{
    QTest::addColumn<int>("start"); // -1: not entered
    QTest::addColumn<int>("derived"); // -1: none
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("value"); // -1: not entered

    const auto row = [](const char *name, int start, int derived, const char *steps,
                         const char *shown, int value) {
        QTest::newRow(name) << start << derived << QString::fromUtf8(steps)
                            << QString::fromUtf8(shown) << value;
    };
    row("typed at the start of 未入力", -1, -1, "@0 12 Tab", "12", 12);
    row("typed inside 未入力", -1, -1, "@1 12 Tab", "12", 12);
    row("typed further inside 未入力", -1, -1, "@2 12 Enter", "12", 12);
    row("typed at the end of 未入力", -1, -1, "@3 12 Tab", "12", 12);
    row("typed over 未入力 selected", -1, -1, "@1 All 7 Tab", "7", 7);
    row("full width inside 未入力", -1, -1, "@1 im:１２ Tab", "12", 12);
    row("Delete at the start of 未入力", -1, -1, "@0 Del Tab", "未入力", -1);
    row("Backspace at the end of 未入力", -1, -1, "@3 Back Tab", "未入力", -1);
    row("a sign is refused", -1, -1, "@3 -3 Tab", "3", 3);
    row("a figure kept", 5, -1, "@1 Tab", "5", 5);
    row("a figure emptied, not yet taken", 5, -1, "@1 All Back", "", -1);
    row("a figure emptied", 5, -1, "@1 All Back Tab", "未入力", -1);
    row("derived shown", -1, 3, "", "(3)", -1);
    row("derived passed through", -1, 3, "@0 Tab", "(3)", -1);
    row("typed inside derived", -1, 3, "@1 5 Tab", "5", 5);
    row("typed after derived", -1, 3, "@3 4 Enter", "4", 4);
    row("typed over derived selected", -1, 3, "@1 All 3 Tab", "3", 3);
    row("a figure emptied shows derived", 5, 3, "@1 All Back Tab", "(3)", -1);
}

void tst_OptionalSpinBox::entered()
{
    QFETCH(int, start);
    QFETCH(int, derived);
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    QFETCH(int, value);

    QWidget form;
    auto *box = new calc::OptionalSpinBox(&form);
    auto *layout = new QVBoxLayout(&form);
    layout->addWidget(box);
    layout->addWidget(new QLineEdit(&form)); // where Tab goes
    calc::setUpInputs(&form);
    box->setOptionalValue(start < 0 ? std::nullopt : std::optional(start));
    box->setDerived(derived < 0 ? std::nullopt : std::optional(derived), why);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        act(box, step);
        if (QTest::currentTestFailed())
            return;
    }

    QCOMPARE(box->text(), shown);
    QCOMPARE(box->optionalValue(), value < 0 ? std::nullopt : std::optional(value));
    // A derived figure reads paler than a typed one, and says where it comes from.
    const bool paler = shown.startsWith(u'(');
    QCOMPARE(box->findChild<QLineEdit *>()->palette().color(QPalette::Text)
            == box->palette().color(QPalette::PlaceholderText),
        paler);
    QCOMPARE(box->toolTip(), paler ? why : QString());
}

QTEST_MAIN(tst_OptionalSpinBox)
#include "tst_optionalspinbox.moc"
