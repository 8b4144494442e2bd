#include "calculators/team/league/race.h"
#include "leaguetext.h"

#include <QTest>

// The race for the top three.
class tst_Race : public QObject
{
    Q_OBJECT

private slots:
};

QTEST_GUILESS_MAIN(tst_Race)
#include "tst_race.moc"
