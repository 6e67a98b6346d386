#pragma once
// Which step of an axis to use, from a list of steps of growing size: plain
// steps (1-2-5, whole calendar units) where they give enough ticks, extra ones
// (2.5, 4 seconds, 14 days, ...) where the plain ones fall short.

#include <span>

// How many ticks a step gives, and whether it is a plain one.
struct StepCount {
    long long ticks = 0;
    bool plain = true;
};

// Fewer ticks than this make an axis hard to read.
constexpr int kFewestTicks = 5;

// The index of the smallest plain step with at most maxTicks ticks; where that
// gives fewer than five, of the smallest step of all with at most maxTicks.
// -1 when no step gives at most maxTicks.
int ChooseStep(std::span<const StepCount> steps, int maxTicks);
