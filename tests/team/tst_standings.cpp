#include "calculators/common/settingsname.h"
#include "calculators/team/league/copytext.h"
#include "calculators/team/league/form.h"
#include "calculators/team/league/pastedtable.h"
#include "calculators/team/league/saved.h"
#include "mainwindow/mainwindow.h"
#include "support/dialogs.h"
#include "support/launch.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using testing::child;

namespace {

// "巨人 47 22 4 1, 阪神 36 34 4 3": name (_ for none), wins, losses, draws, last season's rank.
QList<calc::LeagueTeam> teams(const QString &text)
{
    QList<calc::LeagueTeam> list;
    for (const QString &team : text.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList f = team.split(u' ');
        list.append({ f.at(0) == u"_" ? QString() : f.at(0), f.at(1).toInt(), f.at(2).toInt(),
            f.at(3).toInt(), f.at(4).toInt() });
    }
    return list;
}

std::optional<int> figure(const QString &text)
{
    return text == u"?" ? std::nullopt : std::optional<int>(text.toInt());
}

// "12 3 1 9, ? ? ? 0": each pair's wins of the first team, of the second, draws, games left;
// ? for a figure not entered.
QList<calc::PairRecord> pairs(const QString &text)
{
    QList<calc::PairRecord> list;
    for (const QString &pair : text.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList f = pair.split(u' ');
        list.append({ figure(f.at(0)), figure(f.at(1)), figure(f.at(2)), figure(f.at(3)) });
    }
    return list;
}

QString text(const std::optional<int> &figure)
{
    return figure ? QString::number(*figure) : QStringLiteral("?");
}

// The values of `saved` that differ from a new form's, one per item: "league=1",
// "セ.games=143", "セ.team1=巨人 63 35 4 1", "セ.pair1=12 10 1 ?".
QStringList changed(const calc::SavedLeagues &saved)
{
    QStringList items;
    if (saved.league != 0)
        items.append(QStringLiteral("league=%1").arg(saved.league));
    const calc::LeagueForm fresh;
    for (int league = 0; league < 2; ++league) {
        const calc::LeagueForm &form = saved.forms.at(league);
        const QString prefix = league == 0 ? QStringLiteral("セ.") : QStringLiteral("パ.");
        for (const auto &[name, value, usual] :
            { std::tuple("teamCount", form.teamCount, fresh.teamCount),
                std::tuple("games", form.games, 0),
                std::tuple("pairGames", form.pairGames.value_or(0), 0) }) {
            if (value != usual)
                items.append(prefix + QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value));
        }
        for (int row = 0; row < calc::maxLeagueTeams; ++row) {
            const calc::LeagueTeam &t = form.teams.at(row);
            const QString team = QStringLiteral("%1 %2 %3 %4 %5")
                                     .arg(t.name)
                                     .arg(t.wins)
                                     .arg(t.losses)
                                     .arg(t.draws)
                                     .arg(t.lastRank);
            if (team != QStringLiteral(" 0 0 0 0"))
                items.append(prefix + QStringLiteral("team%1=%2").arg(row + 1).arg(team));
        }
        for (int pair = 0; pair < calc::pairCount; ++pair) {
            const calc::PairRecord &p = form.pairs.at(pair);
            const QString figures = QStringList { text(p.firstWins), text(p.secondWins),
                text(p.draws), text(p.remaining) }
                                        .join(u' ');
            if (figures != QStringLiteral("? ? ? ?"))
                items.append(prefix + QStringLiteral("pair%1=%2").arg(pair + 1).arg(figures));
        }
    }
    return items;
}

// The input a screen reader calls `name` (its own name, or its label's). A missing one fails
// the test, naming it, and a stand-in comes back.
template <typename T = QWidget> T *named(QWidget *dialog, const QString &name)
{
    for (T *w : dialog->findChildren<T *>()) {
        const QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        if (a && a->role() != QAccessible::StaticText && a->text(QAccessible::Name) == name)
            return w;
    }
    return child<T>(dialog, QStringLiteral("named ") + name);
}

// A key to the focused widget; with none, the test fails instead of the key going nowhere.
void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus) {
        QTest::qFail("no widget has the focus", __FILE__, __LINE__);
        return;
    }
    QTest::keyClick(focus, key, modifiers);
}

// Types `text` into the focused field and moves on with Tab; names come from an input method,
// an empty text leaves the field as it is.
void typeAndTab(const QString &text)
{
    QWidget *field = QApplication::focusWidget();
    if (!text.isEmpty() && text.front().isDigit()) {
        QTest::keyClicks(field, text);
    } else if (!text.isEmpty()) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
    }
    QTest::keyClick(field, Qt::Key_Tab);
}

// Focuses the input named `name` as a shortcut would, which selects it, and types `text`.
void typeInto(QWidget *dialog, const QString &name, const QString &text)
{
    QWidget *field = named(dialog, name);
    field->setFocus(Qt::ShortcutFocusReason);
    QTest::qWait(0);
    if (QApplication::focusWidget() != field && !field->isAncestorOf(QApplication::focusWidget()))
        QTest::qFail(qPrintable(name + QStringLiteral(" takes no focus")), __FILE__, __LINE__);
    else
        QTest::keyClicks(QApplication::focusWidget(), text);
    key(Qt::Key_Tab);
}

QString clipboard()
{
    return QGuiApplication::clipboard()->text();
}

const QString header
    = QStringLiteral("順位\tチーム\t勝\t敗\t分\t残\t勝率\t差\t首位差\t自力優勝\tマジック");

// A user types two teams with the keyboard alone (rows and pairs beyond チーム数 are skipped,
// カード試合数 and the draws between them left 未入力), computes with Enter and copies the table;
// any change then clears the result (an emptied field too), and コピー copies nothing stale. A pasted header alone is
// named as nothing read; six teams from a web page reorder the rows, 巨人–阪神 staying with its
// teams; too few games now, an error that keeps every input, and a copy of the header and it.
void typePasteAndCopy(QDialog *d)
{
    QVERIFY(testing::waitForActive(d));
    QCOMPARE(QApplication::focusWidget(), child(d, "comboBox"));
    key(Qt::Key_Tab);
    for (const char *text : { "2", "120", "", "巨人", "47", "22", "4", "1", "阪神", "36", "34", "4",
             "3", "12", "3", "", "9" })
        typeAndTab(QString::fromUtf8(text));
    QCOMPARE(QApplication::focusWidget(), child(d, "pushButton_2"));
    key(Qt::Key_Backtab);
    key(Qt::Key_Return);

    auto *table = child<QTableWidget>(d, "tableWidget");
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            table->scrollToItem(item);
            const QRect cell = table->visualItemRect(item);
            QVERIFY2(table->viewport()->rect().contains(cell)
                    && table->fontMetrics().horizontalAdvance(item->text()) < cell.width(),
                qPrintable(QStringLiteral("cut off: %1").arg(item->text())));
        }
    }
    auto *summary = child<QLineEdit>(d, "lineEdit");
    QVERIFY(testing::showsInFull(summary));
    const QString copied = QStringList({ header, "1\t巨人\t47\t22\t4\t47\t0.681\t-\t-\t有\t35",
                                           "2\t阪神\t36\t34\t4\t46\t0.514\t11.5\t11.5\t無\t",
                                           "マジック 35 巨人（対象: 阪神）（未入力のカード 1）" })
                               .join(u'\n');
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // コピー
    QCOMPARE(clipboard(), copied);

    // Emptying 残り is a change, and 計算 pressed at once (no focus moved) reads it 未入力.
    named(d, QStringLiteral("巨人–阪神 残り直接対決"))->setFocus(Qt::ShortcutFocusReason);
    key(Qt::Key_End);
    key(Qt::Key_Backspace);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(summary->text(), QString());
    child<QPushButton>(d, "pushButton_2")->click();
    QCOMPARE(summary->text(), QStringLiteral("マジック点灯なし（未入力のカード 1）"));
    QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));
    typeInto(d, QStringLiteral("阪神 前年順位"), QStringLiteral("2"));
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(summary->text(), QString());
    child<QPushButton>(d, "pushButton_3")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QCOMPARE(clipboard(), QStringLiteral("unchanged"));
    QVERIFY(summary->text().startsWith(QStringLiteral("コピー: ")));

    QGuiApplication::clipboard()->setText(QStringLiteral("順位 チーム 勝 敗 分"));
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // 貼り付け
    QVERIFY2(summary->text().startsWith(QStringLiteral("貼り付け: ")), qPrintable(summary->text()));
    QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 2);
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "1 ヤクルト 143 71 61 11 .538 -\n2 巨人 143 80 55 8 .593 -\n3 阪神 143 74 66 3\n"
        "4 広島 143 67 69 7\n5 中日 143 62 77 4\n6 DeNA 143 61 81 1"));
    key(Qt::Key_Space);
    QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 6);
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("巨人–阪神 巨人の勝数"))->value(), 12);
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("巨人–阪神 残り直接対決"))->text(),
        QStringLiteral("未入力"));
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("巨人 前年順位"))->value(), 1);
    QCOMPARE(named<QSpinBox>(d, QStringLiteral("ヤクルト–巨人 ヤクルトの勝数"))->text(),
        QStringLiteral("未入力"));
    key(Qt::Key_Backtab);
    key(Qt::Key_Backtab);
    key(Qt::Key_Space); // 計算
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(child<QSpinBox>(d, "spinBox_2")->value(), 120);
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // コピー
    QCOMPARE(clipboard(), header + "\n入力エラー: ヤクルトの勝敗と引分が全試合数を超えています");

    key(Qt::Key_Escape);
    QVERIFY(!d->isVisible());
}

} // namespace

class tst_Standings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void init()
    {
        QSettings(calc::settingsOrganization, QCoreApplication::applicationName()).clear();
    }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void table_data();
    void table();
    void saved_data();
    void saved();
    void carriedOver_data();
    void carriedOver();
    void byKeyboardPasteAndCopy();
    void keptBetweenRuns();
};

void tst_Standings::table_data()
{
    QTest::addColumn<QString>("league");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("pairGames");
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QStringList>("rows"); // cells separated by |
    QTest::addColumn<QString>("summary");

    const QString sb = QStringLiteral("ソフトバンク 80 45 3 0, ロッテ 74 52 3 0, 西武 70 58 2 0, "
                                      "楽天 66 62 3 0");
    QStringList pacific
        = { "1|ソフトバンク|80|45|3|15|0.640|-|-|有|9", "2|ロッテ|74|52|3|14|0.587|6.5|6.5|無|",
              "3|西武|70|58|2|13|0.547|5.0|11.5|無|", "4|楽天|66|62|3|12|0.516|4.0|15.5|無|" };
    const QString giants = QStringLiteral("巨人 47 22 4 1, 阪神 36 34 4 3");
    const QStringList giantsRows
        = { "1|巨人|47|22|4|47|0.681|-|-|有|35", "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" };

    // 阪神 can reach 82-34-4; so does 巨人 with 35 more wins, and stays above on 前年順位 only.
    QTest::newRow("120 games, 前年順位 decides") << "セ" << 120 << 0 << giants << "12 3 0 9"
                                                 << giantsRows << "マジック 35 巨人（対象: 阪神）";
    QTest::newRow("games left from カード試合数") << "セ" << 120 << 25 << giants << "12 3 1 ?"
                                                  << giantsRows << "マジック 35 巨人（対象: 阪神）";
    // 0 to 10 games left: with 10 阪神 would win the head-to-head 13-12, so 36 wins are needed.
    QTest::newRow("games left up to カード試合数")
        << "セ" << 120 << 25 << giants << "12 3 ? ?"
        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|36",
               "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" }
        << "マジック 36 巨人（対象: 阪神）（未入力のカード 1）";
    // Up to 46 games between them: 阪神 wins it on its own from 12 of them on, not below.
    QTest::newRow("games left unknown") << "セ" << 120 << 0 << giants << "12 3 ? ?"
                                        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|",
                                               "2|阪神|36|34|4|46|0.514|11.5|11.5|不明|" }
                                        << "マジック点灯なし（未入力のカード 1）";
    QTest::newRow("120 games, no 前年順位: a tie is not enough")
        << "セ" << 120 << 0 << "巨人 47 22 4 0, 阪神 36 34 4 0"
        << "12 3 0 9"
        << QStringList { "1|巨人|47|22|4|47|0.681|-|-|有|36",
               "2|阪神|36|34|4|46|0.514|11.5|11.5|無|" }
        << "マジック 36 巨人（対象: 阪神）";
    // 阪神's best is 98 / 142 = .6901; 97 / 140 = .6928 is above it, 96 / 140 = .6857 is not.
    const QString august = QStringLiteral(
        "巨人 63 35 4 0, 阪神 54 44 2 0, 広島 45 56 2 0, 中日 44 58 1 0, DeNA 43 59 0 0, "
        "ヤクルト 41 58 1 0");
    QStringList augustRows
        = { "1|巨人|63|35|4|42|0.643|-|-|有|34", "2|阪神|54|44|2|44|0.551|9.0|9.0|無|",
              "3|広島|45|56|2|41|0.446|10.5|19.5|無|", "4|中日|44|58|1|41|0.431|1.5|21.0|無|",
              "5|DeNA|43|59|0|42|0.422|1.0|22.0|無|", "6|ヤクルト|41|58|1|44|0.414|0.5|22.5|無|" };
    QTest::newRow("August 15, no game left between them")
        << "セ" << 144 << 0 << august << QStringList(15, QStringLiteral("0 0 0 0")).join(", ")
        << augustRows << "マジック 34 巨人（対象: 阪神）";
    // Nothing entered between them: any of them might still play the others often enough.
    augustRows[0].chop(2);
    for (int row = 1; row < 6; ++row)
        augustRows[row].replace(QStringLiteral("|無|"), QStringLiteral("|不明|"));
    QTest::newRow("August 15, every pair 未入力") << "セ" << 144 << 0 << august << "" << augustRows
                                                  << "マジック点灯なし（未入力のカード 15）";
    // With 8 more wins ソフトバンク ties ロッテ's best 88 / 140, but loses the head-to-head 12-13.
    QTest::newRow("パ, head-to-head costs a win")
        << "パ" << 143 << 0 << sb << "12 9 0 4, 13 8 0 3, 11 10 0 4, 11 10 0 4, 12 9 0 4, 10 11 0 4"
        << pacific << "マジック 9 ソフトバンク（対象: ロッテ）";
    // 8 games left against ソフトバンク: ロッテ can still win it on its own, so nobody has a magic.
    pacific[1].replace(QStringLiteral("無"), QStringLiteral("有"));
    pacific[0].chop(1);
    QTest::newRow("パ, two own-strength chances")
        << "パ" << 143 << 0 << sb << "12 9 0 8, 13 8 0 3, 11 10 0 4, 11 10 0 2, 12 9 0 2, 10 11 0 4"
        << pacific << "マジック点灯なし";
    // .667 both; B has played fewer games and, winning out, reaches .800.
    QTest::newRow("セ, a tie of percentage goes to more wins")
        << "セ" << 40 << 0 << "_ 20 10 0 0, _ 10 5 15 0"
        << "0 0 0 0"
        << QStringList { "1|A|20|10|0|10|0.667|-|-|無|", "2|B|10|5|15|10|0.667|2.5|2.5|有|9" }
        << "マジック 9 B（対象: A）";
    QTest::newRow("パ, the same tie unknown")
        << "パ" << 40 << 0 << "_ 20 10 0 0, _ 10 5 15 0"
        << "0 0 0 0"
        << QStringList { "1|A|20|10|0|10|0.667|-|-|無|", "1|B|10|5|15|10|0.667|2.5|2.5|有|9" }
        << "マジック 9 B（対象: A）";
    QTest::newRow("パ, the same tie to the head-to-head")
        << "パ" << 40 << 0 << "_ 20 10 0 0, _ 10 5 15 0"
        << "2 3 0 0"
        << QStringList { "1|B|10|5|15|10|0.667|-|-|有|9", "2|A|20|10|0|10|0.667|-2.5|-2.5|無|" }
        << "マジック 9 B（対象: A）";
    // Level at 7-3 each at the end: the head-to-head decides, or nobody can say.
    QTest::newRow("パ, a final tie to the head-to-head")
        << "パ" << 10 << 0 << "_ 5 3 0 0, _ 5 3 0 0"
        << "2 1 0 0"
        << QStringList { "1|A|5|3|0|2|0.625|-|-|有|2", "2|B|5|3|0|2|0.625|0.0|0.0|無|" }
        << "マジック 2 A（対象: B）";
    QTest::newRow("パ, a final tie, head-to-head 未入力")
        << "パ" << 10 << 0 << "_ 5 3 0 0, _ 5 3 0 0"
        << "? ? ? 0"
        << QStringList { "1|A|5|3|0|2|0.625|-|-|不明|", "1|B|5|3|0|2|0.625|0.0|0.0|不明|" }
        << "マジック点灯なし（未入力のカード 1）";
    QTest::newRow("パ, head-to-head in a circle")
        << "パ" << 30 << 0 << "_ 10 10 0 0, _ 10 10 0 0, _ 10 10 0 0"
        << "3 2 0 0, 2 3 0 0, 3 2 0 0"
        << QStringList { "1|A|10|10|0|10|0.500|-|-|無|", "1|B|10|10|0|10|0.500|0.0|0.0|無|",
               "1|C|10|10|0|10|0.500|0.0|0.0|無|" }
        << "マジック点灯なし";
    QTest::newRow("two targets") << "セ" << 20 << 0 << "_ 10 2 0 0, _ 6 6 0 0, _ 6 6 0 0"
                                 << "0 0 0 0, 0 0 0 0, 0 0 0 0"
                                 << QStringList { "1|A|10|2|0|8|0.833|-|-|有|5",
                                        "2|B|6|6|0|8|0.500|4.0|4.0|無|",
                                        "2|C|6|6|0|8|0.500|0.0|4.0|無|" }
                                 << "マジック 5 A（対象: B、C）";
    QTest::newRow("pennant decided")
        << "セ" << 10 << 0 << "_ 9 0 0 0, _ 0 9 0 0"
        << "0 0 0 0"
        << QStringList { "1|A|9|0|0|1|1.000|-|-|有|0", "2|B|0|9|0|1|0.000|9.0|9.0|無|" }
        << "優勝 A";

    const auto error = [](const char *name, int games, int pairGames, const char *teams,
                           const char *pairs, const char *message) {
        QTest::newRow(name) << "セ" << games << pairGames << teams << pairs << QStringList()
                            << QStringLiteral("入力エラー: ") + QString::fromUtf8(message);
    };
    error("no games", 0, 0, "_ 0 0 0 0, _ 0 0 0 0", "0 0 0 0", "全試合数が0です");
    error("a counted row left empty", 10, 0, "_ 5 5 0 0, _ 0 0 0 3", "", "B行が空です");
    error("same name", 10, 0, "B 1 0 0 0, _ 1 0 0 0", "", "チーム名「B」が重複しています");
    error("record above the games", 10, 0, "_ 1 0 0 0, _ 6 4 1 0", "",
        "Bの勝敗と引分が全試合数を超えています");
    error("drawn every game", 10, 0, "_ 0 0 10 0, _ 1 0 0 0", "", "Aの引分が全試合数と同じです");
    error("head-to-head wins above the wins", 10, 0, "_ 2 3 0 0, _ 3 2 0 0", "3 1 0 0",
        "Aの対戦成績の勝数の合計が勝数を超えています");
    error("head-to-head losses above the losses", 10, 0, "_ 2 1 0 0, _ 1 2 0 0", "0 2 ? ?",
        "Aの対戦成績の敗数の合計が敗数を超えています");
    error("head-to-head draws above the draws", 10, 0, "_ 2 2 0 0, _ 2 2 0 0", "0 0 1 ?",
        "Aの対戦成績の引分の合計が引分を超えています");
    error("pair above カード試合数", 10, 5, "_ 3 3 0 0, _ 3 3 0 0", "3 3 0 ?",
        "A–Bの対戦成績と残りがカード試合数を超えています");
    error("pair above the games less draws", 10, 0, "_ 5 3 2 0, _ 3 5 0 0", "5 3 0 1",
        "A–Bの対戦成績と残りが全試合数−引分を超えています");
    error("games left above a team's", 10, 0, "_ 8 0 0 0, B 0 0 0 0", "0 0 0 3",
        "A–Bの残り直接対決がAの残り試合数を超えています");
    error("games left from カード試合数 above a team's", 10, 9, "_ 8 0 0 0, B 0 0 0 0", "0 0 0 ?",
        "A–Bの残り直接対決がAの残り試合数を超えています");
    error("head-to-head above the games left", 10, 0, "_ 5 0 0 0, B 0 0 0 0, C 0 0 0 0",
        "0 0 0 3, 0 0 0 3, ? ? ? ?", "Aの残り直接対決が残り試合数を超えています");
    // What no dialog passes, but a caller might.
    error("one team", 10, 0, "_ 1 0 0 0", "", "チーム数は2から6までです");
    error("seven teams", 10, 0,
        "A 1 0 0 0, B 1 0 0 0, C 1 0 0 0, D 1 0 0 0, E 1 0 0 0, "
        "F 1 0 0 0, G 1 0 0 0",
        "", "チーム数は2から6までです");
    error("a season of INT_MAX games", 2147483647, 0, "_ 1 0 0 0, _ 1 0 0 0", "",
        "全試合数は0から999までです");
    error("カード試合数 beyond a pair's", 10, 100, "_ 1 0 0 0, _ 1 0 0 0", "",
        "カード試合数は1から99までです");
    error("negative wins", 10, 0, "_ 1 0 0 0, _ -1 0 0 0", "", "Bの勝数は0から999までです");
    error("前年順位 beyond six", 10, 0, "_ 1 0 0 0, _ 1 0 0 7", "", "Bの前年順位は0から6までです");
    error("INT_MAX games left", 10, 0, "_ 1 0 0 0, _ 1 0 0 0", "? ? ? 2147483647",
        "A–B 残り直接対決は0から99までです");
    error("negative head-to-head wins", 10, 0, "_ 1 0 0 0, _ 1 0 0 0", "0 -1 ? ?",
        "A–B Bの勝数は0から99までです");
}

void tst_Standings::table()
{
    QFETCH(QString, league);
    QFETCH(int, games);
    QFETCH(int, pairGames);
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QStringList, rows);
    QFETCH(QString, summary);

    // The pairs come in the order of the rows given: (A, B), (A, C), ..., (B, C), ...
    calc::LeagueForm form;
    const QList<calc::LeagueTeam> given = ::teams(teams);
    form.teamCount = int(given.size());
    form.games = games;
    if (pairGames != 0)
        form.pairGames = pairGames;
    std::copy_n(given.cbegin(), std::min<qsizetype>(given.size(), calc::maxLeagueTeams),
        form.teams.begin());
    const QList<calc::PairRecord> records = ::pairs(pairs);
    int next = 0;
    for (int i = 0; i < form.teamCount; ++i) {
        for (int j = i + 1; j < form.teamCount && next < records.size(); ++j)
            form.pairs.at(calc::pairIndex(i, j)) = records.at(next++);
    }
    const calc::Standings result = calc::standings(
        league == u"パ" ? calc::League::Pacific : calc::League::Central, form);
    QStringList shown;
    for (const calc::StandingRow &row : result.rows)
        shown.append(calc::cells(row).join(u'|'));
    QCOMPARE(shown, rows);
    QCOMPARE(calc::summaryText(result), summary);
}

// A settings file as a user may have edited it, or a newer version written: every value that is
// there and fits is read, every other one is the default.
void tst_Standings::saved_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("read");

    QTest::newRow("as written") << "[leagueTable]\nleague=1\ncentral\\games=143\n"
                                   "central\\pairGames=25\ncentral\\team1\\name=巨人\n"
                                   "central\\team1\\wins=63\ncentral\\team1\\lastRank=1\n"
                                   "central\\pair1\\draws=0\npacific\\teamCount=2\n"
                                << QStringList { "league=1", "セ.games=143", "セ.pairGames=25",
                                       "セ.team1=巨人 63 0 0 1", "セ.pair1=? ? 0 ?",
                                       "パ.teamCount=2" };
    QTest::newRow("out of range")
        << "[leagueTable]\nleague=2\ncentral\\teamCount=7\ncentral\\games=1000\n"
           "central\\pairGames=-1\ncentral\\team1\\wins=99999999999\ncentral\\team1\\lastRank=7\n"
           "central\\pair1\\firstWins=100\npacific\\teamCount=1\n"
        << QStringList();
    QTest::newRow("not numbers") << "[leagueTable]\nleague=パ\ncentral\\games=1e2\n"
                                    "central\\team1\\wins=12abc\ncentral\\pair1\\remaining=\n"
                                    "central\\pair2\\remaining=\"3, 4\"\n"
                                 << QStringList();
    QTest::newRow("a name of many lines")
        << "[leagueTable]\ncentral\\team1\\name=\"巨\\n人\\t\\x1b ジャイアンツ ジャイアンツ "
           "ジャイアンツ\"\n"
        << QStringList { "セ.team1=巨人 ジャイアンツ ジャイアンツ ジャイ 0 0 0 0" };
    QTest::newRow("garbage") << "\x01\x02[[[\nleagueTable\\league\n=\n[leagueTable]\ncentral=3\n"
                             << QStringList();
}

void tst_Standings::saved()
{
    QFETCH(QString, file);
    QFETCH(QStringList, read);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("saved.ini"));
    QFile ini(path);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(file.toUtf8());
    ini.close();

    const calc::SavedLeagues loaded = calc::loadLeagues(QSettings(path, QSettings::IniFormat));
    QCOMPARE(changed(loaded), read);
    // What is read back is written and read again unchanged.
    {
        QSettings settings(path, QSettings::IniFormat);
        calc::saveLeagues(settings, loaded);
    }
    QCOMPARE(changed(calc::loadLeagues(QSettings(path, QSettings::IniFormat))), read);
}

// A pasted day carries each team's 前年順位 and its head-to-head with each other team along,
// by name, whatever row it lands in.
void tst_Standings::carriedOver_data()
{
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs"); // A–B, A–C, B–C
    QTest::addColumn<QString>("pastedTeams"); // as teams, 前年順位 unused
    QTest::addColumn<QString>("pastedPairs"); // "阪神 巨人 5 12 1"
    QTest::addColumn<QStringList>("form");

    const QString three = QStringLiteral("巨人 60 40 2 1, 阪神 58 42 1 3, 中日 50 50 0 2");
    QTest::newRow("reordered") << three << "12 5 0 2, 10 10 1 ?"
                               << "阪神 60 42 1 0, 巨人 60 43 2 0, 中日 51 52 0 0"
                               << ""
                               << QStringList { "セ.teamCount=3", "セ.team1=阪神 60 42 1 3",
                                      "セ.team2=巨人 60 43 2 1", "セ.team3=中日 51 52 0 2",
                                      "セ.pair1=5 12 0 2", "セ.pair2=10 10 1 ?" };
    QTest::newRow("a new team, two gone")
        << three << "12 5 0 2, 10 10 1 ?"
        << "ＤｅＮＡ 50 50 0 0, 阪神 49 51 1 0"
        << ""
        << QStringList { "セ.teamCount=2", "セ.team1=ＤｅＮＡ 50 50 0 0", "セ.team2=阪神 49 51 1 3",
               "セ.team3=巨人 60 40 2 1", "セ.team4=中日 50 50 0 2", "セ.pair6=5 12 0 2",
               "セ.pair7=10 10 1 ?" };
    QTest::newRow("head-to-head alone")
        << three << "12 5 0 2, 10 10 1 ?"
        << ""
        << "阪神 巨人 6 13 1, 中日 巨人 3 2 0, 中日 広島 1 1 1"
        << QStringList { "セ.teamCount=3", "セ.team1=巨人 60 40 2 1", "セ.team2=阪神 58 42 1 3",
               "セ.team3=中日 50 50 0 2", "セ.pair1=13 6 1 ?", "セ.pair2=2 3 0 ?",
               "セ.pair6=10 10 1 ?" };
}

void tst_Standings::carriedOver()
{
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QString, pastedTeams);
    QFETCH(QString, pastedPairs);
    QFETCH(QStringList, form);

    calc::LeagueForm before;
    const QList<calc::LeagueTeam> rows = ::teams(teams);
    before.teamCount = int(rows.size());
    std::copy(rows.cbegin(), rows.cend(), before.teams.begin());
    const QList<calc::PairRecord> records = ::pairs(pairs);
    before.pairs.at(calc::pairIndex(0, 1)) = records.at(0);
    before.pairs.at(calc::pairIndex(1, 2)) = records.at(1);
    calc::PastedTable table;
    for (const calc::LeagueTeam &t : ::teams(pastedTeams))
        table.teams.append({ t.name, t.wins, t.losses, t.draws });
    for (const QString &pair : pastedPairs.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList f = pair.split(u' ');
        table.pairs.append({ f.at(0), f.at(1), f.at(2).toInt(), f.at(3).toInt(), f.at(4).toInt() });
    }
    QCOMPARE(changed({ 0, { calc::withPasted(before, table), {} } }), form);
}

void tst_Standings::byKeyboardPasteAndCopy()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(testing::withLaunchedDialog(
        child<QPushButton>(&window, "pushButton_15"), typePasteAndCopy));
}

// The forms are kept per league from one opening to the next: typed in セ and パ, closed with
// Escape, the next opening shows パ as it was left and セ on switching back; クリア empties the
// league shown and nothing else.
void tst_Standings::keptBetweenRuns()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *launch = child<QPushButton>(&window, "pushButton_15");
    QVERIFY(testing::withLaunchedDialog(launch, [](QDialog *d) {
        QVERIFY(testing::waitForActive(d));
        typeInto(d, QStringLiteral("全試合数"), QStringLiteral("143"));
        typeInto(d, QStringLiteral("カード試合数"), QStringLiteral("25"));
        typeInto(d, QStringLiteral("A チーム名"), QStringLiteral("Giants"));
        typeInto(d, QStringLiteral("Giants 勝数"), QStringLiteral("63"));
        typeInto(d, QStringLiteral("Giants 前年順位"), QStringLiteral("2"));
        typeInto(d, QStringLiteral("Giants–B Giantsの勝数"), QStringLiteral("12"));
        typeInto(d, QStringLiteral("Giants–C 引分"), QStringLiteral("7"));
        // Emptied again, 7 draws are 未入力 once more.
        named(d, QStringLiteral("Giants–C 引分"))->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_End);
        key(Qt::Key_Backspace);
        key(Qt::Key_Tab);
        child<QComboBox>(d, "comboBox")->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_Down);
        QCOMPARE(child<QSpinBox>(d, "spinBox_2")->value(), 0);
        typeInto(d, QStringLiteral("チーム数"), QStringLiteral("4"));
        typeInto(d, QStringLiteral("A チーム名"), QStringLiteral("Hawks"));
        key(Qt::Key_Escape);
    }));
    QVERIFY(testing::withLaunchedDialog(launch, [](QDialog *d) {
        QVERIFY(testing::waitForActive(d));
        QCOMPARE(child<QComboBox>(d, "comboBox")->currentIndex(), 1);
        QCOMPARE(child<QSpinBox>(d, "spinBox")->value(), 4);
        QCOMPARE(named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(), "Hawks");
        child<QComboBox>(d, "comboBox")->setFocus(Qt::ShortcutFocusReason);
        key(Qt::Key_Up);
        const auto shows
            = [d](const char *name) { return named<QSpinBox>(d, QString::fromUtf8(name))->text(); };
        for (const auto &[name, value] : { std::pair("全試合数", "143"),
                 std::pair("カード試合数", "25"), std::pair("Giants 勝数", "63"),
                 std::pair("Giants 前年順位", "2"), std::pair("Giants–B Giantsの勝数", "12"),
                 std::pair("Giants–C 引分", "未入力"), std::pair("Giants–B 引分", "未入力") })
            QCOMPARE(shows(name), QString::fromUtf8(value));
        child<QPushButton>(d, "pushButton_5")->click(); // クリア
        QCOMPARE(shows("A 勝数"), QStringLiteral("0"));
        QCOMPARE(shows("全試合数"), QStringLiteral("0"));
        child<QComboBox>(d, "comboBox")->setCurrentIndex(1);
        QCOMPARE(named<QLineEdit>(d, QStringLiteral("A チーム名"))->text(), "Hawks");
    }));
}

QTEST_MAIN(tst_Standings)
#include "tst_standings.moc"
