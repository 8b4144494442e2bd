#include "calculators/common/magicnumber.h"

#include <cmath>
#include <limits>

namespace calc {

std::optional<int> magicNumber(double games, Leader leader, Pursuer pursuer)
{
    // Product first, then the division, so that a whole shortfall comes out exactly.
    const double shortfall
        = (games - leader.draws) * (pursuer.wins + pursuer.remaining) / (games - pursuer.draws)
        - leader.wins;

    // Decided on the double: an infinite or undefined shortfall must never reach an int.
    if (!std::isfinite(shortfall) || shortfall <= 0)
        return std::nullopt;
    const double needed = std::ceil(shortfall);
    if (needed >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(needed);
}

} // namespace calc
