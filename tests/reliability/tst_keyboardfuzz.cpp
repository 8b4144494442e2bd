// Throws random keyboard input at every calculator and checks each result it computes.
//
// SEKIVO_FUZZ_EVENTS sets the number of events per dialog (default 3000), SEKIVO_FUZZ_SEED the
// seed (default fixed; "random" picks one). A failure names the seed and the dialog, so that
// `SEKIVO_FUZZ_SEED=<seed> tst_keyboardfuzz fuzz:<dialog>` repeats it exactly.

#include "calculators/batter/batterstats.h"
#include "calculators/common/magicnumber.h"
#include "calculators/common/results.h"
#include "calculators/pitcher/pitcherstats.h"
#include "calculators/pitcher/reliefpoints.h"
#include "calculators/team/league/copytext.h"
#include "calculators/team/teamstats.h"
#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"
#include "support/launch.h"

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QToolBox>

#include <functional>

namespace {

const int defaultEvents = 3000;
const quint32 defaultSeed = 20061207;

// The inputs of a dialog as its spin boxes and combo boxes hold them now.
class Inputs
{
public:
    explicit Inputs(QDialog *dialog)
        : m_dialog(dialog)
    {
    }

    int whole(const char *spinBox) const
    {
        if (auto *box = m_dialog->findChild<QSpinBox *>(QLatin1String(spinBox)))
            return box->value();
        m_missing.append(QLatin1String(spinBox));
        return 0;
    }
    double real(const char *spinBox) const { return whole(spinBox); }
    int index(const char *comboBox) const
    {
        if (auto *box = m_dialog->findChild<QComboBox *>(QLatin1String(comboBox)))
            return box->currentIndex();
        m_missing.append(QLatin1String(comboBox));
        return -1;
    }
    QStringList missing() const { return m_missing; }

private:
    QDialog *m_dialog;
    mutable QStringList m_missing;
};

// What a calculator may show, and what it must show for given inputs.
struct Oracle
{
    // The shape of every result text, anchored.
    QRegularExpression form;
    // The result that the compute button of this name writes for these inputs.
    std::function<QString(const Inputs &, const QString &computeButton)> expected;
    // Spin boxes whose maximum is not 999.
    QHash<QString, int> maxima;
};

Oracle oracle(const char *form, std::function<QString(const Inputs &)> expected,
    QHash<QString, int> maxima = {})
{
    return { QRegularExpression(QString::fromUtf8(form)),
        [expected](const Inputs &in, const QString &) { return expected(in); }, std::move(maxima) };
}

QString word(bool condition, const char *yes, const char *no)
{
    return QString::fromUtf8(condition ? yes : no);
}

// Keyed by dialog object name. A dialog without an entry still gets the generic checks.
const QHash<QString, Oracle> &oracles()
{
    static const QHash<QString, Oracle> table = [] {
        QHash<QString, Oracle> t;
        t.insert(QStringLiteral("TWP"), oracle(R"(^[01]\.\d{3}$)", [](const Inputs &in) {
            return calc::roundedRatio(
                calc::winningPercentage(in.whole("spinBox"), in.whole("spinBox_2")), 3);
        }));
        t.insert(QStringLiteral("TSAV"), oracle(R"(^-?\d+$)", [](const Inputs &in) {
            return calc::wholeResult(calc::savings(in.whole("spinBox"), in.whole("spinBox_2")));
        }));
        t.insert(QStringLiteral("TGB"), oracle(R"(^-?\d+\.[05]$)", [](const Inputs &in) {
            return calc::decimalResult(calc::gamesBehind(in.real("spinBox"), in.real("spinBox_2"),
                                           in.real("spinBox_3"), in.real("spinBox_4")),
                1);
        }));
        t.insert(QStringLiteral("TMN"), oracle(R"(^([1-9]\d*|優勝)$)", [](const Inputs &in) {
            const auto magic = calc::magicNumber(in.real("spinBox"),
                { in.real("spinBox_2"), in.real("spinBox_3") },
                { in.real("spinBox_4"), in.real("spinBox_5"), in.real("spinBox_6") });
            return magic ? calc::wholeResult(*magic) : QStringLiteral("優勝");
        }));
        t.insert(QStringLiteral("TOVP"),
            oracle(R"(^(有|無)$)",
                [](const Inputs &in) {
                    return word(
                        calc::canWinTitleOnOwn(in.real("spinBox"),
                            { in.real("spinBox_2"), in.real("spinBox_3"), in.real("spinBox_4") },
                            { in.real("spinBox_5"), in.real("spinBox_6"), in.real("spinBox_7") },
                            in.real("spinBox_8")),
                        "有", "無");
                },
                { { QStringLiteral("spinBox_8"), 99 } }));
        t.insert(QStringLiteral("TRD"), oracle(R"(^(確定|未確定)$)", [](const Inputs &in) {
            const double games = in.real("spinBox");
            const bool upperSafe
                = !calc::magicNumber(games, { in.real("spinBox_2"), in.real("spinBox_3") },
                    { in.real("spinBox_4"), in.real("spinBox_5"), in.real("spinBox_6") });
            const bool middleSafe
                = !calc::magicNumber(games, { in.real("spinBox_4"), in.real("spinBox_5") },
                    { in.real("spinBox_7"), in.real("spinBox_8"), in.real("spinBox_9") });
            return word(upperSafe && middleSafe, "確定", "未確定");
        }));
        t.insert(QStringLiteral("BTAB"), oracle(R"(^-?\d+$)", [](const Inputs &in) {
            return calc::wholeResult(
                calc::atBats(in.whole("spinBox"), in.whole("spinBox_2"), in.whole("spinBox_3"),
                    in.whole("spinBox_4"), in.whole("spinBox_5"), in.whole("spinBox_6")));
        }));
        t.insert(QStringLiteral("BAVG"), oracle(R"(^\d+\.\d{3}$)", [](const Inputs &in) {
            return calc::roundedRatio(
                calc::battingAverage(in.whole("spinBox"), in.whole("spinBox_2")), 3);
        }));
        t.insert(QStringLiteral("BTB"), oracle(R"(^\d+$)", [](const Inputs &in) {
            return calc::wholeResult(calc::totalBases(in.whole("spinBox"), in.whole("spinBox_2"),
                in.whole("spinBox_3"), in.whole("spinBox_4")));
        }));
        t.insert(QStringLiteral("BRB"), oracle(R"(^\d+$)", [](const Inputs &in) {
            return calc::wholeResult(calc::qualifyingPlateAppearances(in.whole("spinBox")));
        }));
        t.insert(QStringLiteral("PERA"),
            oracle(R"(^(\d+\.\d{2}|∞)$)",
                [](const Inputs &in) {
                    return calc::roundedRatio(calc::earnedRunAverage(in.whole("spinBox"),
                                                  in.whole("spinBox_2"), in.whole("spinBox_3")),
                        2);
                },
                { { QStringLiteral("spinBox_2"), 2 } }));
        t.insert(QStringLiteral("PRIP"), oracle(R"(^\d+$)", [](const Inputs &in) {
            return calc::wholeResult(calc::qualifyingInnings(in.whole("spinBox")));
        }));
        // One compute button, combo box and result per page.
        t.insert(QStringLiteral("PRP"),
            { QRegularExpression(QStringLiteral(R"(^-?\d+\.\d$)")),
                [](const Inputs &in, const QString &compute) {
                    double points = qQNaN();
                    if (compute == u"pushButton_2")
                        points = calc::outsRecordedPoints(in.index("comboBox"), in.real("spinBox"));
                    else if (compute == u"pushButton_3")
                        points = calc::scorelessEntryPoints(in.index("comboBox_2"));
                    else if (compute == u"pushButton_4")
                        points = calc::inheritedRunnerPoints(
                            in.index("comboBox_3"), in.real("spinBox_2"));
                    else if (compute == u"pushButton_5")
                        points
                            = calc::runsAllowedPoints(in.index("comboBox_4"), in.real("spinBox_3"));
                    else if (compute == u"pushButton_6")
                        points
                            = calc::runnersLeftPoints(in.index("comboBox_5"), in.real("spinBox_4"));
                    return qIsNaN(points) ? QStringLiteral("<unknown compute button>")
                                          : calc::decimalResult(points, 1);
                },
                {} });
        return t;
    }();
    return table;
}

// Any number or fixed word that some calculator shows ("-" for a rate of nothing); the league
// table's summary lines are told by the engine's own calc::isSummaryText.
const QRegularExpression &genericForm()
{
    static const QRegularExpression form(QStringLiteral(
        "^(-?\\d+(\\.\\d+)?|-|∞|優勝|有|無|確定|未確定|入力エラー: .+)$"));
    return form;
}

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

quint32 baseSeed()
{
    const QByteArray text = qgetenv("SEKIVO_FUZZ_SEED");
    if (text == "random")
        return QRandomGenerator::system()->generate();
    bool ok = false;
    const quint32 seed = text.toUInt(&ok);
    return ok ? seed : defaultSeed;
}

// Each dialog gets its own stream, independent of which other dialogs run before it.
quint32 dialogSeed(quint32 base, const QString &dialog)
{
    quint32 hash = 2166136261u;
    for (QChar c : dialog)
        hash = (hash ^ c.unicode()) * 16777619u;
    return base ^ hash;
}

// What a user might type: mostly digits, then everything a spin box has to refuse.
const QString &typedCharacters()
{
    // Full-width digits nearly as often as ASCII ones: a Japanese input method types those.
    static const QString chars
        = QStringLiteral("0123456789012345678901234567890123456789+-.,eExX abcz")
        + QStringLiteral("０１２３４５６７８９０１２３４５６７８９０１２３４５６７８９")
        + QStringLiteral("－＋．，　。ー٣٤۵߁");
    return chars;
}

// What a user might paste.
const QStringList &pastedStrings()
{
    static const QStringList strings = {
        QStringLiteral("999"),
        QStringLiteral("1000"),
        QStringLiteral("-1"),
        QStringLiteral("-0"),
        QStringLiteral("+7"),
        QStringLiteral(" 12 "),
        QStringLiteral("1.5"),
        QStringLiteral("1,000"),
        QStringLiteral("1e3"),
        QStringLiteral("1e308"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("0x1F"),
        QStringLiteral("2147483648"),
        QStringLiteral("-2147483649"),
        QStringLiteral("18446744073709551616"),
        QStringLiteral("１２３"),
        QStringLiteral("1２3"),
        QStringLiteral("９９９"),
        QStringLiteral("１０００"),
        QStringLiteral("７　５"),
        QStringLiteral("　４２　"),
        QStringLiteral("７。"),
        QString(10000, u'９'),
        QStringLiteral("٣٤٥"),
        QStringLiteral("𝟗𝟗"),
        QStringLiteral("\u202E321"),
        QStringLiteral("1\u00002"),
        QStringLiteral("12\n34"),
        QStringLiteral("%1%2"),
        QStringLiteral("<b>5</b>"),
        QStringLiteral("😀"),
        QString(10000, u'9'),
        QString(10000, u'0') + QStringLiteral("7"),
        QString(4000, u'-'),
        QString(),
    };
    return strings;
}

class Fuzzer
{
public:
    Fuzzer(QDialog *dialog, const Oracle *oracle, quint32 seed)
        : m_dialog(dialog)
        , m_oracle(oracle)
        , m_rng(seed)
    {
        for (QAbstractSpinBox *box : dialog->findChildren<QAbstractSpinBox *>())
            m_targets.append(box);
        for (QComboBox *box : dialog->findChildren<QComboBox *>())
            m_targets.append(box);
        m_computes = testing::computeButtons(dialog);
    }

    bool hasInputs() const { return !m_targets.isEmpty(); }
    int computes() const { return m_computeCount; }
    qsizetype distinctResults() const { return m_results.size(); }

    // Sends `events` events; returns the first fault found, or nothing.
    QString run(int events)
    {
        if (m_computes.isEmpty())
            return QStringLiteral("no compute button");
        // Qt counts a dialog as active while its parent window is: wait for the dialog itself.
        if (!testing::waitForActive(m_dialog))
            return QStringLiteral("the dialog never became active");
        QObject hooks;
        for (QPushButton *button : m_computes) {
            // Connected after the dialog's own slot, so this sees the result it just wrote.
            QObject::connect(
                button, &QPushButton::clicked, &hooks, [this, button] { checkResult(button); });
        }
        // A freshly opened dialog holds only zeros.
        for (QPushButton *button : m_computes)
            click(button);
        int done = 0;
        for (; done < events && m_failure.isEmpty(); ++done) {
            act();
            if (!m_dialog->isVisible())
                fail(QStringLiteral("the dialog closed"));
        }
        if (!m_failure.isEmpty()) {
            return QStringLiteral("at event %1: %2\nlast events:\n  %3")
                .arg(done)
                .arg(m_failure, m_log.join(u"\n  "));
        }
        return {};
    }

private:
    int pick(int n) { return int(m_rng.bounded(quint32(n))); }

    void note(const QString &what)
    {
        m_log.append(what);
        if (m_log.size() > 25)
            m_log.removeFirst();
    }

    void fail(const QString &what)
    {
        if (m_failure.isEmpty())
            m_failure = what;
    }

    // Brings `widget` into view: the relief-point dialog keeps its inputs on tool-box pages.
    void reveal(QWidget *widget)
    {
        for (QToolBox *box : m_dialog->findChildren<QToolBox *>()) {
            for (int i = 0; i < box->count(); ++i) {
                if (box->widget(i)->isAncestorOf(widget))
                    box->setCurrentIndex(i);
            }
        }
    }

    // An input a user can reach: the league table switches off the rows beyond its team count.
    QWidget *focusTarget()
    {
        QList<QWidget *> enabled;
        for (QWidget *w : std::as_const(m_targets)) {
            if (w->isEnabled())
                enabled.append(w);
        }
        QWidget *target = enabled.at(pick(int(enabled.size())));
        reveal(target);
        target->setFocus(Qt::OtherFocusReason);
        return target;
    }

    void type(QWidget *target, const QString &text)
    {
        note(QStringLiteral("type \"%1\" into %2").arg(text, target->objectName()));
        for (QChar c : text) {
            // Space opens a combo box's list, which then takes the keys; typing goes elsewhere.
            if (c == u' ' && qobject_cast<QComboBox *>(target))
                continue;
            const char latin = c.toLatin1();
            if (latin != 0)
                QTest::keyClick(target, latin);
            else
                QTest::sendKeyEvent(
                    QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void key(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        note(QStringLiteral("key %1 on %2")
                 .arg(QKeySequence(QKeyCombination(modifiers, key)).toString(),
                     target->objectName()));
        QTest::keyClick(target, key, modifiers);
    }

    void click(QPushButton *button)
    {
        reveal(button);
        if (pick(3)) {
            note(QStringLiteral("click %1").arg(button->objectName()));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            button->setFocus(Qt::TabFocusReason);
            key(button, pick(2) ? Qt::Key_Space : Qt::Key_Return);
        }
    }

    // Replaces the whole text of `target` by `text`, as select-all and typing does.
    void retype(QWidget *target, const QString &text)
    {
        key(target, Qt::Key_A, Qt::ControlModifier);
        type(target, text);
    }

    void act()
    {
        if (m_targets.isEmpty()) {
            click(m_computes.at(pick(int(m_computes.size()))));
            return;
        }

        static const Qt::Key editing[] = { Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Backtab };
        // Undo and redo, selecting, and turning the relief-point dialog's pages.
        static const QKeyCombination chords[] = { Qt::CTRL | Qt::Key_Z,
            Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::SHIFT | Qt::Key_Home, Qt::SHIFT | Qt::Key_End,
            Qt::SHIFT | Qt::Key_Left, Qt::CTRL | Qt::Key_PageUp, Qt::CTRL | Qt::Key_PageDown };
        const int roll = pick(100);
        if (roll < 25) {
            QWidget *target = focusTarget();
            QString text;
            for (int n = 1 + pick(4); n > 0; --n)
                text += typedCharacters().at(pick(int(typedCharacters().size())));
            type(target, text);
        } else if (roll < 41) {
            key(focusTarget(), editing[pick(int(std::size(editing)))]);
        } else if (roll < 45) {
            const QKeyCombination chord = chords[pick(int(std::size(chords)))];
            key(focusTarget(), chord.key(), chord.keyboardModifiers());
        } else if (roll < 49) {
            key(focusTarget(), Qt::Key_A, Qt::ControlModifier);
        } else if (roll < 53) {
            QWidget *target = focusTarget();
            const QString text = pastedStrings().at(pick(int(pastedStrings().size())));
            QGuiApplication::clipboard()->setText(text);
            note(QStringLiteral("clipboard: %1 characters \"%2\"")
                     .arg(text.size())
                     .arg(text.left(20)));
            if (pick(2))
                key(target, Qt::Key_A, Qt::ControlModifier);
            key(target, Qt::Key_V, Qt::ControlModifier);
        } else if (roll < 56) {
            // Text committed by an input method, as Japanese users enter numbers: full-width
            // digits, now and then mixed with ASCII ones or with something a count refuses.
            QWidget *target = focusTarget();
            static const QString junk = QStringLiteral("　。ー－.a");
            QString text;
            for (int n = 1 + pick(4); n > 0; --n) {
                const int kind = pick(10);
                text += kind < 7 ? QChar(char16_t(u'０' + pick(10)))
                    : kind < 9   ? QChar(char16_t(u'0' + pick(10)))
                                 : junk.at(pick(int(junk.size())));
            }
            // Over a selected text, as a freshly focused box has it, the commit replaces all.
            const bool replace = pick(2);
            if (replace)
                key(target, Qt::Key_A, Qt::ControlModifier);
            auto *box = qobject_cast<QSpinBox *>(target);
            const int before = box ? box->value() : 0;
            const bool composed = pick(2);
            note(QStringLiteral("input method %1 \"%2\" to %3")
                     .arg(composed ? u"composes and commits" : u"commits", text,
                         target->objectName()));
            if (composed) {
                QInputMethodEvent preedit(text, {});
                QCoreApplication::sendEvent(target, &preedit);
            }
            QInputMethodEvent event;
            event.setCommitString(text);
            QCoreApplication::sendEvent(target, &event);
            // Digits of either width count as the digits they are: the box holds their
            // number if it is within range and is left as it was if not (above the maximum,
            // or below a minimum such as チーム数's 2).
            static const QRegularExpression digits(QStringLiteral("^[0-9０-９]+$"));
            if (box && replace && digits.match(text).hasMatch()) {
                QString ascii = text;
                for (QChar &c : ascii) {
                    if (c >= u'０' && c <= u'９')
                        c = QChar(char16_t(u'0' + (c.unicode() - u'０')));
                }
                const int number = ascii.toInt();
                const bool inRange = number >= box->minimum() && number <= box->maximum();
                const int expected = inRange ? number : before;
                if (box->value() != expected) {
                    fail(QStringLiteral("%1 holds %2 after \"%3\" was committed; expected %4")
                             .arg(box->objectName())
                             .arg(box->value())
                             .arg(text)
                             .arg(expected));
                }
            }
        } else if (roll < 64) {
            // The edges of a range, where guards and clamping matter.
            QWidget *target = focusTarget();
            if (auto *box = qobject_cast<QSpinBox *>(target)) {
                const int edges[]
                    = { 0, 0, 1, box->maximum() - 1, box->maximum(), box->maximum() + 1 };
                retype(target, QString::number(edges[pick(int(std::size(edges)))]));
            } else {
                key(target, pick(2) ? Qt::Key_Home : Qt::Key_End);
            }
        } else if (roll < 68) {
            // Equal inputs, where a difference in a divisor can become zero.
            QWidget *target = focusTarget();
            auto *from = qobject_cast<QSpinBox *>(m_targets.at(pick(int(m_targets.size()))));
            if (from && qobject_cast<QSpinBox *>(target))
                retype(target, QString::number(from->value()));
        } else if (roll < 70) {
            for (QWidget *target : m_targets) {
                reveal(target);
                target->setFocus(Qt::OtherFocusReason);
                if (qobject_cast<QSpinBox *>(target))
                    retype(target, QStringLiteral("0"));
            }
        } else if (roll < 80) {
            // Enter in an input presses the dialog's default button.
            key(focusTarget(), pick(2) ? Qt::Key_Return : Qt::Key_Enter,
                pick(2) ? Qt::NoModifier : Qt::KeypadModifier);
        } else if (roll < 95) {
            click(m_computes.at(pick(int(m_computes.size()))));
        } else if (roll < 99) {
            note(QStringLiteral("process events"));
            QCoreApplication::processEvents();
        } else {
            note(QStringLiteral("language change"));
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(m_dialog, &change);
        }
    }

    void checkResult(QPushButton *button)
    {
        ++m_computeCount;
        note(QStringLiteral("%1 computed").arg(button->objectName()));

        for (QSpinBox *box : m_dialog->findChildren<QSpinBox *>()) {
            const int maximum = m_oracle ? m_oracle->maxima.value(box->objectName(), 999) : 999;
            // A figure that may be left 未入力 holds -1 for it, and shows the text.
            const int least = box->specialValueText().isEmpty() ? 0 : -1;
            if (box->value() < least || box->value() > maximum) {
                fail(QStringLiteral("%1 holds %2, outside %3 to %4")
                         .arg(box->objectName())
                         .arg(box->value())
                         .arg(least)
                         .arg(maximum));
            }
            // Without an oracle a range within 0 to 999 will do (the league table counts
            // 2 to 6 teams).
            const bool exact = m_oracle != nullptr;
            if (exact ? box->minimum() != 0 || box->maximum() != maximum
                      : box->minimum() < least || box->maximum() > maximum) {
                fail(QStringLiteral("%1 accepts %2 to %3, not 0 to %4")
                         .arg(box->objectName())
                         .arg(box->minimum())
                         .arg(box->maximum())
                         .arg(maximum));
            }
        }

        // One result, or several figures of which some stay empty (beside an error line).
        const QList<QLineEdit *> fields = testing::resultFields(button);
        if (fields.isEmpty()) {
            fail(QStringLiteral("no result field beside %1").arg(button->objectName()));
            return;
        }
        QStringList texts;
        for (QLineEdit *field : fields) {
            const QString text = field->text();
            if (!text.isEmpty())
                texts.append(text);
            static const QRegularExpression forbidden(QStringLiteral("nan|inf|^-0(\\.0*)?$"),
                QRegularExpression::CaseInsensitiveOption);
            if (forbidden.match(text).hasMatch())
                fail(QStringLiteral("%1 shows \"%2\"").arg(field->objectName(), text));
            const QRegularExpression &form = m_oracle ? m_oracle->form : genericForm();
            // The league table's summary has more forms than a pattern here should know; the
            // engine recognises its own.
            const bool shaped = form.match(text).hasMatch() || calc::isSummaryText(text);
            if (!text.isEmpty() && !shaped) {
                fail(QStringLiteral("%1 shows \"%2\", not of the form %3")
                         .arg(field->objectName(), text, form.pattern()));
            }
        }
        m_results.insert(texts.join(u'|'));
        if (texts.isEmpty() && !m_targets.isEmpty())
            fail(QStringLiteral("%1 showed nothing").arg(button->objectName()));
        if (!m_oracle)
            return;

        QLineEdit *field = fields.first();
        const QString text = field->text();

        const Inputs inputs(m_dialog);
        const QString expected = m_oracle->expected(inputs, button->objectName());
        if (!inputs.missing().isEmpty()) {
            fail(QStringLiteral("the oracle reads %1, which the dialog lacks")
                     .arg(inputs.missing().join(u", ")));
        } else if (text != expected) {
            QStringList values;
            for (QSpinBox *box : m_dialog->findChildren<QSpinBox *>())
                values.append(QStringLiteral("%1=%2").arg(box->objectName()).arg(box->value()));
            for (QComboBox *box : m_dialog->findChildren<QComboBox *>())
                values.append(
                    QStringLiteral("%1=#%2").arg(box->objectName()).arg(box->currentIndex()));
            fail(QStringLiteral("%1 shows \"%2\" for %3; expected \"%4\"")
                     .arg(field->objectName(), text, values.join(u' '), expected));
        }
    }

    QDialog *m_dialog;
    const Oracle *m_oracle;
    QRandomGenerator m_rng;
    QList<QWidget *> m_targets;
    QList<QPushButton *> m_computes;
    QStringList m_log;
    QString m_failure;
    QSet<QString> m_results;
    int m_computeCount = 0;
};

} // namespace

class tst_KeyboardFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void cleanupTestCase();

    void fuzz_data();
    void fuzz();

private:
    quint32 m_seed = 0;
    QStringList m_withoutOracle;
};

void tst_KeyboardFuzz::initTestCase()
{
    Q_INIT_RESOURCE(images);
    m_seed = baseSeed();
    qInfo("SEKIVO_FUZZ_SEED=%u SEKIVO_FUZZ_EVENTS=%d", m_seed,
        envInt("SEKIVO_FUZZ_EVENTS", defaultEvents));
}

void tst_KeyboardFuzz::cleanupTestCase()
{
    if (!m_withoutOracle.isEmpty())
        qInfo("Checked without an oracle: %s", qPrintable(m_withoutOracle.join(u", ")));
}

void tst_KeyboardFuzz::fuzz_data()
{
    testing::launchedDialogRows();
}

void tst_KeyboardFuzz::fuzz()
{
    QFETCH(QString, button);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const quint32 seed = dialogSeed(m_seed, name);
    const int events = envInt("SEKIVO_FUZZ_EVENTS", defaultEvents);

    const auto found = oracles().constFind(name);
    const Oracle *oracle = found == oracles().constEnd() ? nullptr : &found.value();
    if (!oracle) {
        m_withoutOracle.append(name);
        QWARN(qPrintable(QStringLiteral("%1 has no oracle: only ranges and the form of its "
                                        "results are checked")
                             .arg(name)));
    }

    MainWindow window;
    window.show();
    QString failure;
    int computes = 0;
    qsizetype results = 0;
    bool inputs = false;
    const bool opened = testing::withLaunchedDialog(
        window.findChild<QPushButton *>(button), [&](QDialog *dialog) {
            // Active, as a user meets it: every field it builds is there.
            dialog->activateWindow();
            if (!testing::waitForActive(dialog))
                qWarning("%s never became active", qPrintable(name));
            Fuzzer fuzzer(dialog, oracle, seed);
            inputs = fuzzer.hasInputs();
            failure = fuzzer.run(events);
            computes = fuzzer.computes();
            results = fuzzer.distinctResults();
        });
    QVERIFY(opened);
    QVERIFY2(failure.isEmpty(),
        qPrintable(
            QStringLiteral("%1 with SEKIVO_FUZZ_SEED=%2: %3").arg(name).arg(m_seed).arg(failure)));
    if (inputs)
        qInfo("%s: %d events, %d results checked, %lld different", qPrintable(name), events,
            computes, qlonglong(results));
    else
        qInfo("%s has no inputs yet", qPrintable(name));
    QVERIFY(computes > 0);
}

QTEST_MAIN(tst_KeyboardFuzz)
#include "tst_keyboardfuzz.moc"
