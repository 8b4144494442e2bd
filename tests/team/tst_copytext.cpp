#include "calculators/team/league/copytext.h"
#include "calculators/team/league/pastedtable.h"
#include "leaguetext.h"

#include <QRegularExpression>
#include <QTest>

// The table's text, and コピー read back by 貼り付け.
class tst_CopyText : public QObject
{
    Q_OBJECT

private slots:
    void copied();
    void roundTrip_data();
    void roundTrip();
};

// What a fan pastes into a spreadsheet: the table, then the form it comes from.
void tst_CopyText::copied()
{
    const calc::LeagueForm form = testing::leagueForm(
        120, 25, "巨人 47 22 4 1, 阪神 36 34 4 0, 中日 30 40 0 2", "12 3 1 ?, 10 5 ? 2, ? ? ? ?");
    calc::Standings error;
    error.error = QStringLiteral("A行が空です");
    QCOMPARE(calc::copyText(calc::League::Pacific, form, error),
        QStringLiteral("順位\tチーム\t勝\t敗\t分\t残\t勝率\t差\t首位差\t自力優勝\tマジック\t順位の範囲\t"
                       "自力CS\tCSマジック\n入力エラー: A行が空です\n\nリーグ\tパ・リーグ\n全試合数\t120\n"
                       "カード試合数\t25\nチーム\t勝\t敗\t分\t前年順位\n巨人\t47\t22\t4\t1\n"
                       "阪神\t36\t34\t4\t\n中日\t30\t40\t0\t2\nカード\t勝\t敗\t分\t残り\n"
                       "巨人–阪神\t12\t3\t1\t(9)\n巨人–中日\t10\t5\t\t2\n阪神–中日\t\t\t\t"));
}

// Pasted back into a cleared dialog, a コピー gives the same form, so 計算 gives the same
// コピー, whatever its summary says; also after a spreadsheet has trimmed its cells.
void tst_CopyText::roundTrip_data()
{
    QTest::addColumn<QString>("league");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("pairGames");
    QTest::addColumn<QString>("teams");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<QString>("summary"); // its beginning

    const char *giants = "巨人 47 22 4 1, 阪神 36 34 4 3";
    QTest::newRow("lit") << "セ" << 120 << 0 << giants << "12 3 0 9" << "マジック 35 巨人";
    QTest::newRow("lit, unknown cards")
        << "セ" << 120 << 25 << giants << "12 3 ? ?" << "マジック 36 巨人（対象: 阪神）（未入力";
    QTest::newRow("games left from カード試合数") << "セ" << 120 << 25 << giants << "12 3 1 ?"
                                                  << "マジック 35 巨人";
    QTest::newRow("unlit")
        << "パ" << 143 << 0
        << "ソフトバンク 80 45 3 0, ロッテ 74 52 3 0, 西武 70 58 2 0, 楽天 66 62 3 0"
        << "12 9 0 8, 13 8 0 3, 11 10 0 4, 11 10 0 2, 12 9 0 2, 10 11 0 4" << "マジック点灯なし";
    QTest::newRow("unlit, unknown cards")
        << "セ" << 120 << 0 << giants << "12 3 ? ?"
        << "マジック点灯なし（決め手のカード: 巨人–阪神）（未入力のカード 1）";
    QTest::newRow("won") << "セ" << 10 << 0 << "_ 9 0 0 0, _ 0 9 0 0" << "0 0 0 0" << "優勝 A";
    QTest::newRow("won, unknown cards")
        << "パ" << 10 << 0 << "_ 9 0 0 0, _ 0 9 0 0" << "? ? ? ?" << "優勝 A（未入力のカード 1）";
    QTest::newRow("input error") << "セ" << 10 << 0 << "B 1 0 0 0, _ 1 0 0 0, C 2 1 0 0" << ""
                                 << "入力エラー: チーム名「B」が重複しています";
    QTest::newRow("six teams")
        << "セ" << 144 << 25
        << "巨人 63 35 4 1, 阪神 54 44 2 2, 広島 45 56 2 3, 中日 44 58 1 4, DeNA 43 59 0 5, "
           "ヤクルト 41 58 1 6"
        << "12 6 0 ?, 12 6 0 ?, 12 6 0 ?, 12 6 0 ?, 12 6 0 ?, 8 8 0 5, 8 8 0 5, 8 8 0 5, "
           "8 8 0 5, ? ? ? ?, 8 8 0 5, 8 8 0 5, 8 8 0 5, 8 8 0 5, 8 8 0 5"
        << "マジック";
}

void tst_CopyText::roundTrip()
{
    QFETCH(QString, league);
    QFETCH(int, games);
    QFETCH(int, pairGames);
    QFETCH(QString, teams);
    QFETCH(QString, pairs);
    QFETCH(QString, summary);

    const calc::League shown = testing::league(league);
    const calc::LeagueForm form = testing::leagueForm(games, pairGames, teams, pairs);
    const calc::Standings result = calc::standings(shown, form);
    QVERIFY2(calc::summaryText(result).startsWith(summary), qPrintable(calc::summaryText(result)));
    QVERIFY(calc::isSummaryText(calc::summaryText(result)));
    const QString copied = calc::copyText(shown, form, result);

    // A spreadsheet's own copy: Windows line ends, cells padded, trailing empty cells dropped.
    QString fromSheet = copied;
    fromSheet.replace(QRegularExpression(QStringLiteral("\t+(?=\n|$)")), QString());
    fromSheet.replace(u'\t', QStringLiteral(" \t")).replace(u'\n', QStringLiteral("\r\n"));
    for (const QString &text : { copied, fromSheet }) {
        const calc::PastedTable pasted = calc::readPastedTable(text, {});
        QVERIFY2(pasted.form && pasted.league, qPrintable(pasted.summary));
        QCOMPARE(pasted.league, shown);
        QCOMPARE(calc::copyText(*pasted.league, *pasted.form, calc::standings(shown, *pasted.form)),
            copied);
    }
}

QTEST_GUILESS_MAIN(tst_CopyText)
#include "tst_copytext.moc"
