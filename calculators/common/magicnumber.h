#pragma once

#include <optional>

// The magic-number rule shared by the magic-number and rank-settlement calculators.
namespace calc {

// The leading club: every game it has left is counted as a loss.
struct Leader
{
    double wins;
    double draws;
};

// The pursuing club: credited with winning every game it has left and drawing no more.
struct Pursuer
{
    double wins;
    double draws;
    double remaining;
};

// The wins the leader still lacks before its winning percentage, over `games` less its draws,
// can no longer be passed by the pursuer's best one: the ceiling of
//     (games - leader.draws) * (pursuer.wins + pursuer.remaining) / (games - pursuer.draws)
//     - leader.wins.
// An equal percentage counts as reached, so a whole shortfall is not rounded up.
// Empty when the leader is already safe: the ceiling is 0 or less, or the quotient is not a
// finite number because the pursuer has drawn every game.
std::optional<int> magicNumber(double games, Leader leader, Pursuer pursuer);

} // namespace calc
