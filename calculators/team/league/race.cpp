#include "calculators/team/league/race.h"

#include "calculators/team/league/season.h"

namespace calc {

QList<RaceRow> race(const Season &season)
{
    QList<RaceRow> rows;
    for (int i = 0; i < season.size(); ++i)
        rows.append({ 1, season.size(), std::nullopt, std::nullopt });
    return rows;
}

} // namespace calc
