#include "calculators/batter/batterstats.h"
#include "calculators/common/results.h"
#include "calculators/pitcher/pitcherstats.h"
#include "calculators/team/teamstats.h"

#include <QTest>

// Every text the winning-percentage, batting-average and ERA calculators can show for their
// whole input range, checked against the definition of rounding half up rather than against a
// second copy of the arithmetic: a text reading k units of its last decimal is right for the
// exact value n / d when k - 1/2 <= n / d < k + 1/2, that is (2k - 1) d <= 2 n < (2k + 1) d
// with n counted in those units.
class tst_Averages : public QObject
{
    Q_OBJECT

private slots:
    void winningPercentage();
    void battingAverage();
    void earnedRunAverage();
};

namespace {

// The units of the last decimal that `text` reads, or -1 unless it is a plain non-negative
// number with exactly `decimals` decimals, a full stop and no superfluous leading zero.
qint64 readUnits(const QString &text, int decimals)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 1 || text.size() - point - 1 != decimals || (text[0] == u'0' && point > 1))
        return -1;
    qint64 units = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == point)
            continue;
        if (text[i] < u'0' || text[i] > u'9')
            return -1;
        units = units * 10 + (text[i].unicode() - u'0');
    }
    return units;
}

// Whether `text` is `scaledNumerator / denominator` rounded half up, the numerator already
// multiplied by 10^decimals.
bool roundsHalfUp(const QString &text, int decimals, qint64 scaledNumerator, qint64 denominator)
{
    const qint64 k = readUnits(text, decimals);
    return k >= 0 && (2 * k - 1) * denominator <= 2 * scaledNumerator
        && 2 * scaledNumerator < (2 * k + 1) * denominator;
}

} // namespace

void tst_Averages::winningPercentage()
{
    for (int wins = 0; wins <= 999; ++wins) {
        for (int losses = 0; losses <= 999; ++losses) {
            const QString text = calc::roundedRatio(calc::winningPercentage(wins, losses), 3);
            const bool right = wins + losses == 0
                ? text == QLatin1String("0.000")
                : roundsHalfUp(text, 3, 1000 * qint64(wins), wins + losses);
            if (!right)
                QFAIL(qPrintable(
                    QStringLiteral("%1 wins, %2 losses give %3").arg(wins).arg(losses).arg(text)));
        }
    }
}

void tst_Averages::battingAverage()
{
    for (int atBats = 0; atBats <= 999; ++atBats) {
        for (int hits = 0; hits <= 999; ++hits) {
            const QString text = calc::roundedRatio(calc::battingAverage(atBats, hits), 3);
            const bool right = atBats == 0 ? text == QLatin1String("0.000")
                                           : roundsHalfUp(text, 3, 1000 * qint64(hits), atBats);
            if (!right)
                QFAIL(qPrintable(
                    QStringLiteral("%1 for %2 gives %3").arg(hits).arg(atBats).arg(text)));
        }
    }
}

void tst_Averages::earnedRunAverage()
{
    for (int innings = 0; innings <= 999; ++innings) {
        for (int thirds = 0; thirds <= 2; ++thirds) {
            for (int runs = 0; runs <= 999; ++runs) {
                const QString text
                    = calc::roundedRatio(calc::earnedRunAverage(innings, thirds, runs), 2);
                // Nine times the runs over the innings, innings + thirds / 3: in hundredths,
                // 900 * runs * 3 over the thirds pitched.
                const qint64 thirdsPitched = 3 * qint64(innings) + thirds;
                bool right;
                if (thirdsPitched == 0)
                    right = text == (runs == 0 ? QStringLiteral("0.00") : QStringLiteral("∞"));
                else
                    right = roundsHalfUp(text, 2, 900 * qint64(runs) * 3, thirdsPitched);
                if (!right)
                    QFAIL(qPrintable(QStringLiteral("%1 %2/3 innings, %3 runs give %4")
                                         .arg(innings)
                                         .arg(thirds)
                                         .arg(runs)
                                         .arg(text)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(tst_Averages)
#include "tst_averages.moc"
