#pragma once
// Provisional: the tick generator of rounded axes (replaced by the full one).

#include <string>
#include <vector>

struct AxisTick {
    double value;
    std::string label;  // empty: a grid line without a label
};
enum class TickScale { Linear, Log, Time };
struct TickSet {
    std::vector<AxisTick> ticks;
    std::string context;
};
TickSet MakeTicks(TickScale scale, double min, double max, int maxTicks = 10);
