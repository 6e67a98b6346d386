#pragma once
// Where the ticks of a value axis go: multiples of 1, 2 or 5 times a power of
// ten on a linear axis, decades (with 2 and 5, or 3, between when few) on a
// logarithmic one. Ticks lie inside [min, max]; one within a billionth of a
// step beyond an end counts as inside.

#include "ticks/TickDecimal.h"

#include <optional>
#include <vector>

// A tick, and whether it is labelled (a grid line alone when not).
struct RoundTick {
    TickDecimal at;
    bool labelled = true;
};

// A step of mantissa x 10^exponent (mantissa 1, 2, 5, or 25 for 2.5).
struct DecimalStep {
    long long mantissa = 1;
    int exponent = 0;
};

// The step for at most maxTicks (>= 1) ticks over [min, max] (finite, min < max),
// none below minStep nor so small that doubles near the ends cannot tell its
// multiples apart; nothing when no step gives at most maxTicks.
std::optional<DecimalStep> ChooseDecimalStep(double min, double max, int maxTicks, double minStep);
// The multiples of the step inside [min, max], increasing.
std::vector<TickDecimal> DecimalTicks(double min, double max, DecimalStep step);

// The ticks of a linear axis over [min, max] (finite, min < max), at most maxTicks.
std::vector<RoundTick> LinearTicks(double min, double max, int maxTicks);
// The ticks of a logarithmic axis over [min, max] (finite, 0 < min < max), at
// most maxTicks of them labelled.
std::vector<RoundTick> LogTicks(double min, double max, int maxTicks);
