#include "calculators/team/teamstats.h"

namespace calc {

double winningPercentage(double wins, double losses)
{
    const double decided = wins + losses;
    return decided == 0 ? 0.0 : wins / decided;
}

} // namespace calc
