#include "ticks/TimeTicks.h"

#include "doc/DateTime.h"
#include "ticks/RoundTicks.h"
#include "ticks/StepChoice.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

constexpr long long kMinute = 60, kHour = 3600, kDay = 86400, kWeek = 7 * kDay;
// Weeks begin on Mondays; the first was 1970-01-05.
constexpr long long kFirstMonday = 4 * kDay;
// No step below a nanosecond.
constexpr double kFinestStep = 1e-9;

// A step of size seconds (seconds to weeks) or size months (months and years).
struct CalendarStep {
    TimeUnit unit;
    long long size;
    bool plain;
};

std::vector<CalendarStep> MakeCalendarSteps()
{
    using enum TimeUnit;
    std::vector<CalendarStep> steps;
    // 1, 2, 5, 10, 15 and 30 seconds and minutes; 4 where 2 and 5 fall short.
    const std::pair<long long, bool> sixtieths[] = {{1, true}, {2, true}, {4, false}, {5, true},
                                                    {10, true}, {15, true}, {30, true}};
    for (const auto& [unit, size] : {std::pair{Second, 1LL}, std::pair{Minute, kMinute}}) {
        for (const auto& [n, plain] : sixtieths)
            steps.push_back({unit, n * size, plain});
    }
    for (long long n : {1, 2, 3, 6, 12})
        steps.push_back({Hour, n * kHour, true});
    steps.insert(steps.end(), {{Day, kDay, true}, {Day, 2 * kDay, true}, {Day, 4 * kDay, false}, {Day, kWeek, true},
                               {Day, 2 * kWeek, false}, {Month, 1, true}, {Month, 2, true}, {Month, 3, true},
                               {Month, 6, true}});
    // Years 1, 2, 5 times powers of ten; 4, 25, 250, ... where those fall short.
    for (long long p = 12; p <= 12 * 100000; p *= 10) {
        steps.insert(steps.end(), {{Year, p, true}, {Year, 2 * p, true}, {Year, p == 12 ? 4 * p : p * 25 / 10, false},
                                   {Year, 5 * p, true}});
    }
    steps.push_back({Year, 12 * 1000000, true});
    return steps;
}

// The first second of a month counted from January of year 0.
double MonthStart(long long index)
{
    const long long year = FloorDiv(index, 12);
    return SecondsFromCivil({int(year), int(index - year * 12) + 1, 1});
}

// Every months-th month start (counted from year 0) inside [min, max]; at most limit + 1.
std::vector<TickDecimal> MonthTicks(double min, double max, long long months, std::size_t limit)
{
    const CivilTime start = CivilFromSeconds(min).value_or(CivilTime{});
    long long index = start.year * 12LL + start.month - 1;
    if (MonthStart(index) < min)
        ++index;
    index = -FloorDiv(-index, months) * months;
    std::vector<TickDecimal> ticks;
    for (; MonthStart(index) <= max && ticks.size() <= limit; index += months)
        ticks.push_back({(long long)MonthStart(index), 0});
    return ticks;
}

// Every size seconds (weeks from a Monday) inside [min, max]; at most limit + 1.
std::vector<TickDecimal> EvenTicks(double min, double max, long long size, std::size_t limit)
{
    const long long offset = size % kWeek == 0 ? kFirstMonday : 0;
    long long t = offset + (long long)std::ceil((min - double(offset)) / double(size)) * size;
    if (double(t) < min)
        t += size;
    std::vector<TickDecimal> ticks;
    for (; double(t) <= max && ticks.size() <= limit; t += size)
        ticks.push_back({t, 0});
    return ticks;
}

std::vector<TickDecimal> CalendarTicks(double min, double max, const CalendarStep& step, int maxTicks)
{
    const bool months = step.unit == TimeUnit::Month || step.unit == TimeUnit::Year;
    return months ? MonthTicks(min, max, step.size, std::size_t(maxTicks))
                  : EvenTicks(min, max, step.size, std::size_t(maxTicks));
}

} // namespace

TimeTickList TimeTicks(double min, double max, int maxTicks)
{
    // A second to spare: the whole second of a tick at an end must have a date too.
    if (!CivilFromSeconds(min - 1) || !CivilFromSeconds(max + 1))
        return {};
    const std::optional<DecimalStep> fine = ChooseDecimalStep(min, max, maxTicks, kFinestStep);
    if (fine && DecimalValue({fine->mantissa, fine->exponent}) < 1)
        return {DecimalTicks(min, max, *fine), TimeUnit::SubSecond};
    static const std::vector<CalendarStep> steps = MakeCalendarSteps();
    std::vector<StepCount> counts;
    for (const CalendarStep& step : steps)
        counts.push_back({(long long)CalendarTicks(min, max, step, maxTicks).size(), step.plain});
    const int chosen = ChooseStep(counts, maxTicks);
    if (chosen < 0)
        return {};
    const CalendarStep& step = steps[std::size_t(chosen)];
    return {CalendarTicks(min, max, step, maxTicks), step.unit};
}
