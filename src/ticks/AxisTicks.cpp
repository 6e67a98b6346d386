#include "ticks/AxisTicks.h"

#include "ticks/RoundTicks.h"
#include "ticks/TickLabels.h"
#include "ticks/TimeTicks.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsValidAxis(TickScale scale, double min, double max)
{
    return std::isfinite(min) && std::isfinite(max) && min < max && (scale != TickScale::Log || min > 0);
}

double Clamped(TickDecimal d, double min, double max)
{
    return std::clamp(DecimalValue(d), min, max);
}

TickSet NumberTickSet(const std::vector<RoundTick>& ticks, double min, double max)
{
    std::vector<TickDecimal> labelled;
    for (const RoundTick& t : ticks) {
        if (t.labelled)
            labelled.push_back(t.at);
    }
    std::vector<std::string> labels = NumberLabels(labelled);
    TickSet set;
    auto label = labels.begin();
    for (const RoundTick& t : ticks)
        set.ticks.push_back({Clamped(t.at, min, max), t.labelled ? std::move(*label++) : std::string()});
    return set;
}

TickSet TimeTickSet(const TimeTickList& list, double min, double max)
{
    TimeLabels labels = MakeTimeLabels(list.ticks, list.unit);
    TickSet set{{}, std::move(labels.context)};
    for (std::size_t i = 0; i < list.ticks.size(); ++i)
        set.ticks.push_back({Clamped(list.ticks[i], min, max), std::move(labels.labels[i])});
    return set;
}

} // namespace

TickSet MakeTicks(TickScale scale, double min, double max, int maxTicks)
{
    if (!IsValidAxis(scale, min, max) || maxTicks < 1)
        return {};
    const int most = std::min(maxTicks, kMostAxisTicks);
    if (scale == TickScale::Time)
        return TimeTickSet(TimeTicks(min, max, most), min, max);
    return NumberTickSet(scale == TickScale::Log ? LogTicks(min, max, most) : LinearTicks(min, max, most), min, max);
}
