// Numbers typed with a Japanese input method on: full-width digits, whichever way they reach a
// calculator's spin box, count exactly as the ASCII digits they stand for, and everything else
// is refused (or, a decimal box's full stops, taken) as its ASCII counterpart is. Every
// calculator is reached through the main window's launch buttons, so one added there is covered
// without editing this test.

#include "inputmethod/calculators.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace testing;

namespace {

// How text reaches a spin box.
enum class Way {
    Keys, // one key event per character, its text the character
    Commit, // an input method commits the whole text at once
    Compose, // an input method shows the text as preedit first, then commits it
    Paste, // Ctrl+V
    MenuPaste, // 貼り付け in the box's context menu
};

const QList<std::pair<const char *, Way>> &ways()
{
    static const QList<std::pair<const char *, Way>> all = {
        { "keys", Way::Keys },
        { "commit", Way::Commit },
        { "compose", Way::Compose },
        { "paste", Way::Paste },
        { "menu paste", Way::MenuPaste },
    };
    return all;
}

void contextMenuPaste(QAbstractSpinBox *box)
{
    bool triggered = false;
    QObject inMenu;
    QTimer::singleShot(0, &inMenu, [&triggered] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        // The line edit's standard actions carry no object names; Paste shows its shortcut.
        const QString shortcut
            = u'\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction *action : menu->actions()) {
            if (action->text().endsWith(shortcut)) {
                triggered = action->isEnabled();
                action->trigger();
            }
        }
        menu->close();
    });
    if (QGuiApplication::platformName() == u"offscreen") {
        // What the offscreen platform says of every menu it opens.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the keyboard");
    }
    QContextMenuEvent event(
        QContextMenuEvent::Keyboard, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(box, &event);
    QVERIFY2(triggered,
        qPrintable(QStringLiteral("no enabled paste action in the context menu of %1")
                       .arg(describe(box))));
}

// Replaces what `box` shows by `text`, the way `way` brings it, starting from `start`
// shown and selected as a freshly focused box has it.
void enter(QAbstractSpinBox *box, Way way, const QString &text, double start)
{
    reveal(box);
    box->setProperty("value", start);
    // A closed context menu may leave no window active.
    if (!box->isActiveWindow()) {
        box->activateWindow();
        QVERIFY(testing::waitForActive(box));
    }
    box->setFocus(Qt::TabFocusReason);
    QVERIFY2(box->hasFocus(), qPrintable(describe(box) + QStringLiteral(" takes no focus")));
    box->selectAll();
    switch (way) {
    case Way::Keys:
        for (QChar c : text) {
            if (const char latin = c.toLatin1())
                QTest::keyClick(box, latin);
            else
                QTest::sendKeyEvent(
                    QTest::Click, box, Qt::Key(c.unicode()), QString(c), Qt::NoModifier);
        }
        break;
    case Way::Commit: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
        break;
    }
    case Way::Compose: {
        QInputMethodEvent preedit(
            text, { { QInputMethodEvent::Cursor, int(text.size()), 1, QVariant() } });
        QCoreApplication::sendEvent(box, &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
        break;
    }
    case Way::Paste:
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::MenuPaste:
        QGuiApplication::clipboard()->setText(text);
        contextMenuPaste(box);
        break;
    }
}

// What a box shows and holds once the text has been entered and taken, as by Enter.
struct Outcome
{
    QString shown;
    double value;
    bool operator==(const Outcome &o) const { return shown == o.shown && value == o.value; }
};

Outcome outcome(QAbstractSpinBox *box)
{
    const QString shown = box->text();
    box->interpretText();
    return { shown, valueOf(box) };
}

QString text(const Outcome &o)
{
    return QStringLiteral("\"%1\" holding %2").arg(o.shown).arg(o.value);
}

// The value a box starts from before each entry; below every maximum.
double startValue(const QAbstractSpinBox *box)
{
    return qMin(4.0, maximumOf(box));
}

// Enters `ascii`, then `typed`, into `box` the same way and from the same start, and fails
// unless both give the same outcome; `asTyped` is what `typed` gave.
void enterBothWidths(
    QAbstractSpinBox *box, Way way, const QString &typed, const QString &ascii, Outcome *asTyped)
{
    const double start = startValue(box);
    enter(box, way, ascii, start);
    if (QTest::currentTestFailed())
        return;
    const Outcome asAscii = outcome(box);
    enter(box, way, typed, start);
    if (QTest::currentTestFailed())
        return;
    *asTyped = outcome(box);
    QVERIFY2(*asTyped == asAscii,
        qPrintable(QStringLiteral("%1 shows %2 for \"%3\" but %4 for \"%5\"")
                       .arg(describe(box), text(*asTyped), typed, text(asAscii), ascii)));
}

} // namespace

Q_DECLARE_METATYPE(Way)

class tst_FullWidth : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void enteredAsAscii_data();
    void enteredAsAscii();
    void aboveMaximumBoundedAsAscii_data();
    void aboveMaximumBoundedAsAscii();
    void resultsAsAscii_data();
    void resultsAsAscii();
    void undoneAsAscii_data();
    void undoneAsAscii();
    void inputMethodIsAskedForDigits();
};

void tst_FullWidth::enteredAsAscii_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("ascii");
    // The value a box of 0 to 999 holds afterwards, starting from 4.
    QTest::addColumn<int>("expected");

    struct Case
    {
        const char *name;
        const char16_t *typed;
        const char16_t *ascii;
        int byKeys; // one key at a time: each refused key is dropped alone
        int atOnce; // committed or pasted: a refused text is dropped whole
    };
    static const Case cases[] = {
        { "full-width digits", u"７５", u"75", 75, 75 },
        { "mixed", u"1２3", u"123", 123, 123 },
        { "leading zero", u"０７", u"07", 7, 7 },
        { "maximum", u"９９９", u"999", 999, 999 },
        { "zero", u"０", u"0", 0, 0 },
        { "above maximum", u"１０００", u"1000", 100, 4 },
        { "full-width space inside", u"7　5", u"7 5", 75, 4 },
        { "full-width space after", u"75　", u"75 ", 75, 75 },
        { "full-width space alone", u"　", u" ", 4, 4 },
        { "ideographic full stop", u"７。５", u"7.5", 75, 4 },
        { "ideographic full stop alone", u"。", u".", 4, 4 },
        { "full-width full stop", u"７．５", u"7.5", 75, 4 },
        { "full-width minus", u"－５", u"-5", 5, 4 },
        { "letters after", u"１２ab", u"12ab", 12, 4 },
        { "full-width letters", u"１ｘ", u"1x", 1, 4 },
        { "other digits", u"٣۵", u"ab", 4, 4 },
    };
    for (const auto &[wayName, way] : ways()) {
        for (const Case &c : cases) {
            QTest::addRow("%s: %s", wayName, c.name)
                << way << QString::fromUtf16(c.typed) << QString::fromUtf16(c.ascii)
                << (way == Way::Keys ? c.byKeys : c.atOnce);
        }
    }
}

// In every spin box, full-width digits entered any way give what their ASCII twins give;
// in a box of 0 to 999 that is the value the user meant.
void tst_FullWidth::enteredAsAscii()
{
    QFETCH(Way, way);
    QFETCH(QString, typed);
    QFETCH(QString, ascii);
    QFETCH(int, expected);

    int boxes = 0;
    forEveryDialog([&](QDialog *dialog) {
        for (QAbstractSpinBox *box : dialog->findChildren<QAbstractSpinBox *>()) {
            // A row the league table has switched off with its team count takes no input.
            if (!box->isEnabled())
                continue;
            ++boxes;
            Outcome asTyped {};
            enterBothWidths(box, way, typed, ascii, &asTyped);
            if (QTest::currentTestFailed())
                return;
            if (maximumOf(box) == 999) {
                QVERIFY2(asTyped.value == expected,
                    qPrintable(QStringLiteral("%1 holds %2 for \"%3\", not %4")
                                   .arg(describe(box))
                                   .arg(asTyped.value)
                                   .arg(typed)
                                   .arg(expected)));
            }
        }
    });
    QVERIFY(boxes > 0);
}

void tst_FullWidth::aboveMaximumBoundedAsAscii_data()
{
    QTest::addColumn<Way>("way");
    for (const auto &[wayName, way] : ways())
        QTest::newRow(wayName) << way;
}

// Each box bounds a number just above its own maximum the same in either width.
void tst_FullWidth::aboveMaximumBoundedAsAscii()
{
    QFETCH(Way, way);

    forEveryDialog([&](QDialog *dialog) {
        for (QAbstractSpinBox *box : dialog->findChildren<QAbstractSpinBox *>()) {
            if (!box->isEnabled())
                continue;
            const QString ascii = QString::number(maximumOf(box) + 1);
            Outcome asTyped {};
            enterBothWidths(box, way, fullWidth(ascii), ascii, &asTyped);
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(asTyped.value <= maximumOf(box),
                qPrintable(QStringLiteral("%1 holds %2").arg(describe(box)).arg(asTyped.value)));
        }
    });
}

void tst_FullWidth::resultsAsAscii_data()
{
    aboveMaximumBoundedAsAscii_data();
}

// Every calculator, fed full-width digits, computes what it computes for the same ASCII digits,
// on every page of the relief-point dialog.
void tst_FullWidth::resultsAsAscii()
{
    QFETCH(Way, way);

    forEveryDialog([&](QDialog *dialog) {
        const auto fill = [&](bool wide) {
            int i = 0;
            for (QAbstractSpinBox *box : dialog->findChildren<QAbstractSpinBox *>()) {
                if (!box->isEnabled())
                    continue;
                // Different numbers in different boxes, all within range.
                const double value = qMin(maximumOf(box), 3.0 + 7 * i++);
                const QString ascii = QString::number(value);
                const double start = startValue(box) == value ? 0 : startValue(box);
                enter(box, way, wide ? fullWidth(ascii) : ascii, start);
                if (QTest::currentTestFailed())
                    return;
                QVERIFY2(outcome(box).value == value,
                    qPrintable(QStringLiteral("%1 holds %2 for %3")
                                   .arg(describe(box))
                                   .arg(valueOf(box))
                                   .arg(wide ? fullWidth(ascii) : ascii)));
            }
        };
        const auto results = [&] {
            QStringList shown;
            for (QPushButton *button : computeButtons(dialog)) {
                const QList<QLineEdit *> fields = resultFields(button);
                if (fields.isEmpty()) {
                    shown.append(
                        QStringLiteral("<no result field beside %1>").arg(button->objectName()));
                    continue;
                }
                reveal(button);
                for (QLineEdit *result : fields)
                    result->clear();
                QTest::mouseClick(button, Qt::LeftButton);
                for (QLineEdit *result : fields)
                    shown.append(
                        QStringLiteral("%1: %2").arg(result->objectName(), result->text()));
            }
            return shown;
        };

        fill(false);
        if (QTest::currentTestFailed())
            return;
        const QStringList asAscii = results();
        QVERIFY2(!asAscii.isEmpty(),
            qPrintable(QStringLiteral("%1 has no 計算 button").arg(dialog->objectName())));
        fill(true);
        if (QTest::currentTestFailed())
            return;
        const QStringList asTyped = results();
        QVERIFY2(asTyped == asAscii,
            qPrintable(QStringLiteral("%1: %2 against %3")
                           .arg(dialog->objectName(), asTyped.join(u", "), asAscii.join(u", "))));
    });
}

void tst_FullWidth::undoneAsAscii_data()
{
    QTest::addColumn<Way>("way");
    // Pasted text is not among these: it is made ASCII only once the line edit has it, which
    // replaces the line edit's undo history.
    for (const auto &[wayName, way] : ways()) {
        if (way != Way::Paste && way != Way::MenuPaste)
            QTest::newRow(wayName) << way;
    }
}

// Ctrl+Z takes back digits typed or committed full-width as it takes back ASCII ones.
void tst_FullWidth::undoneAsAscii()
{
    QFETCH(Way, way);

    forEveryDialog([&](QDialog *dialog) {
        for (QAbstractSpinBox *box : dialog->findChildren<QAbstractSpinBox *>()) {
            if (!box->isEnabled())
                continue;
            const double start = startValue(box);
            const auto undone = [&](const QString &text) {
                enter(box, way, text, start);
                QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
                return outcome(box);
            };
            const Outcome asAscii = undone(QStringLiteral("12"));
            const Outcome asTyped = undone(QStringLiteral("1２"));
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(asTyped == asAscii,
                qPrintable(QStringLiteral("%1 shows %2 after undoing \"1２\" but %3 after undoing "
                                          "\"12\"")
                               .arg(describe(box), text(asTyped), text(asAscii))));
        }
    });
}

// Qt asks for digits only (a decimal box for a formatted number); we add a preference for
// numbers and no predictions, as seen by an input method querying the focused box.
void tst_FullWidth::inputMethodIsAskedForDigits()
{
    forEveryDialog([&](QDialog *dialog) {
        for (QAbstractSpinBox *box : dialog->findChildren<QAbstractSpinBox *>()) {
            if (!box->isEnabled())
                continue;
            const auto wanted = Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText
                | (qobject_cast<QDoubleSpinBox *>(box) ? Qt::ImhFormattedNumbersOnly
                                                       : Qt::ImhDigitsOnly);
            reveal(box);
            box->setFocus(Qt::TabFocusReason);
            QCOMPARE(QGuiApplication::focusObject(), box);
            const auto hints = Qt::InputMethodHints(box->inputMethodQuery(Qt::ImHints).toInt());
            QVERIFY2((hints & wanted) == wanted, qPrintable(describe(box)));
        }
    });
}

QTEST_MAIN(tst_FullWidth)
#include "tst_fullwidth.moc"
