#pragma once
// Where the ticks of a time axis go: calendar steps (seconds, minutes, hours,
// days, weeks from Mondays, months and years from their starts), and decimal
// fractions of a second for spans of a few seconds. Times are seconds from
// 1970-01-01 on the values' own clock.

#include "ticks/TickDecimal.h"

#include <vector>

// The unit a time axis steps by, which decides how its ticks read.
enum class TimeUnit { SubSecond, Second, Minute, Hour, Day, Month, Year };

struct TimeTickList {
    std::vector<TickDecimal> ticks;   // seconds: whole (exponent 0) or decimal fractions
    TimeUnit unit = TimeUnit::Second;
};

// The ticks over [min, max] (finite, min < max), at most maxTicks (>= 1),
// increasing; none when the range has no dates (a million years from 1970).
TimeTickList TimeTicks(double min, double max, int maxTicks);
