#pragma once

// The team formulas, free of widgets so that they can be checked on their own.
namespace calc {

// Wins over wins plus losses; 0 when no game has been decided.
double winningPercentage(double wins, double losses);

} // namespace calc
