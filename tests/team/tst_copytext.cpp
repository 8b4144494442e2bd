#include "calculators/team/league/copytext.h"
#include "leaguetext.h"

#include <QTest>

// The table's text, and コピー read back.
class tst_CopyText : public QObject
{
    Q_OBJECT

private slots:
};

QTEST_GUILESS_MAIN(tst_CopyText)
#include "tst_copytext.moc"
