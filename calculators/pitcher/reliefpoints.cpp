#include "calculators/pitcher/reliefpoints.h"

namespace calc {

double outsRecordedPoints(int outcome, double outs)
{
    switch (outcome) {
    case 0:
        return outs * 1.5;
    case 1:
        return outs * 0.5;
    case 2:
        return outs;
    default:
        return 0.0;
    }
}

double scorelessEntryPoints(int situation)
{
    switch (situation) {
    case 0:
        return 3.0;
    case 1:
        return 2.0;
    case 2:
        return 1.0;
    default:
        return 0.0;
    }
}

double inheritedRunnerPoints(int kind, double runners)
{
    switch (kind) {
    case 0:
        return runners;
    case 1:
        return runners * -3.0;
    case 2:
        return runners * 0.5;
    case 3:
        return runners * -1.5;
    default:
        return 0.0;
    }
}

double runsAllowedPoints(int kind, double runs)
{
    switch (kind) {
    case 0:
        return runs * -4.0;
    case 1:
        return runs * -2.0;
    default:
        return 0.0;
    }
}

double runnersLeftPoints(int kind, double runners)
{
    switch (kind) {
    case 0:
        return runners * -2.0;
    case 1:
        return -runners;
    default:
        return 0.0;
    }
}

} // namespace calc
