#include "calculators/team/league/checks.h"
#include "leaguetext.h"

#include <QTest>

// Every input error, and every figure beyond the form's limits, named as the summary names it.
class tst_Checks : public QObject
{
    Q_OBJECT

private slots:
    void errors_data();
    void errors();
};

void tst_Checks::errors_data()
{
    QTest::addColumn<QString>("league");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("pairGames");
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("error");

    const auto error = [](const char *name, int games, int pairGames, const char *teams,
                           const char *pairs, const char *message) {
        QTest::newRow(name) << "セ" << games << pairGames << teams << pairs
                            << QString::fromUtf8(message);
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
    // Before: blamed on 巨人's head-to-head wins over all its cards, which are the card's.
    error("a card above カード試合数, not the team's total", 143, 24,
        "巨人 19 30 0 0, 阪神 30 19 0 0", "20 10 0 ?",
        "巨人–阪神の対戦成績と残りがカード試合数を超えています");
    error("two teams with the same 前年順位", 143, 0, "巨人 10 5 0 2, 阪神 9 6 0 2, 中日 9 6 0 1", "",
        "前年順位が同じチームがあります: 巨人、阪神");
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
    // Before: the names were read for the pairs past the first error.
    error("a range error before the pairs", 1000, 0, "_ 1 0 0 0, _ 1 0 0 0", "1 1 0 0",
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

void tst_Checks::errors()
{
    QFETCH(QString, league);
    QFETCH(int, games);
    QFETCH(int, pairGames);
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QString, error);

    QCOMPARE(calc::inputError(
                 testing::league(league), testing::leagueForm(games, pairGames, teams, pairs)),
        error);
}

QTEST_GUILESS_MAIN(tst_Checks)
#include "tst_checks.moc"
