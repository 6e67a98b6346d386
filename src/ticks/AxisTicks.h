#pragma once
// The rounded ticks of an axis and their labels: where they go (RoundTicks,
// TimeTicks) and how they read (TickLabels). Nothing here draws.

#include <string>
#include <vector>

struct AxisTick {
    double value;        // in axis units
    std::string label;   // empty: a grid line without a label
};

enum class TickScale { Linear, Log, Time };

struct TickSet {
    std::vector<AxisTick> ticks;   // increasing
    std::string context;           // what the labels leave out ("2026-01-01" for hours within a day); may be empty
};

// No axis gets more ticks than this, whatever it asks for.
constexpr int kMostAxisTicks = 1000;

// The ticks of an axis from min to max: min < max, both finite; for Log both
// above zero; for Time seconds from 1970-01-01 on the values' own clock. They
// lie inside [min, max] (one within rounding of an end sits on it), at most
// maxTicks of them labelled, and about 5 to 10 labelled for the default.
// Empty for any other input.
TickSet MakeTicks(TickScale scale, double min, double max, int maxTicks = 10);
