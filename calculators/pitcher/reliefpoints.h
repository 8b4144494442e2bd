#pragma once

// Relief points, one kind of event at a time. Each function takes the index of the
// circumstance as the relief-point dialog lists it; an index a function does not know scores 0.
namespace calc {

// Outs recorded: 0 team won (1.5 each), 1 team lost (0.5 each), 2 game drawn (1 each).
double outsRecordedPoints(int outcome, double outs);

// A scoreless inning of entry: 0 save situation (3), 1 score tied (2), 2 one run behind (1).
double scorelessEntryPoints(int situation);

// Runners already on base at entry: 0 earned-run runners (1 each), 1 of them allowed to score
// (-3 each), 2 unearned-run runners (0.5 each), 3 of them allowed to score (-1.5 each).
double inheritedRunnerPoints(int kind, double runners);

// Runs allowed: 0 earned (-4 each), 1 unearned (-2 each).
double runsAllowedPoints(int kind, double runs);

// Runners left on base at departure: 0 earned-run runners (-2 each), 1 unearned-run (-1 each).
double runnersLeftPoints(int kind, double runners);

} // namespace calc
