#include "chart2d/RoundTicks.h"

#include <cmath>
#include <cstdio>

TickSet MakeTicks(TickScale scale, double min, double max, int maxTicks)
{
    TickSet set;
    if (!(min < max) || !std::isfinite(min) || !std::isfinite(max))
        return set;
    if (scale == TickScale::Log) {
        min = std::log10(min);
        max = std::log10(max);
    }
    double step = std::pow(10.0, std::floor(std::log10((max - min) / maxTicks)));
    while ((max - min) / step > maxTicks)
        step *= 2;
    for (double k = std::ceil(min / step); k * step <= max && set.ticks.size() < 100; ++k) {
        const double v = scale == TickScale::Log ? std::pow(10.0, k * step) : k * step;
        char text[32];
        std::snprintf(text, sizeof text, "%g", v == 0 ? 0.0 : v);
        set.ticks.push_back({v, text});
    }
    return set;
}
