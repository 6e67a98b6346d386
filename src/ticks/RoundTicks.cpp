#include "ticks/RoundTicks.h"

#include "ticks/StepChoice.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <climits>
#include <cmath>
#include <span>

namespace {

// A tick beyond an end by less than 10^-kEndSlackDigits of a step is inside.
constexpr int kEndSlackDigits = 9;
// No step is finer than this many epsilons of the ends' magnitude: coarser
// than the doubles there, so that its multiples never round together.
constexpr double kFinestStepEpsilons = 4;
// Quotients beyond this are not counted (a multiple times 25 fits a long long).
constexpr double kLargestMultiple = 0x1p52;

// The sets of mantissas within each decade of a logarithmic axis, from sparse
// to dense; the extra ones are used where the plain ones fall short.
struct MantissaSet {
    std::vector<int> mantissas;
    bool plain;
};
const MantissaSet kMantissaSets[] = {
    {{1}, true}, {{1, 3}, false}, {{1, 2, 5}, true}, {{1, 2, 3, 5}, false}, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, true}};
// Many decades: every n-th labelled, n the first of these that fits; the
// others keep a grid line while n is at most kLargestGridStep.
constexpr int kDecadeSteps[] = {1, 2, 3, 5, 10, 20, 30, 50, 100, 200, 300, 500, 1000};
constexpr int kLargestGridStep = 5;

TickDecimal Multiple(long long k, DecimalStep s)
{
    return {k * s.mantissa, s.exponent};
}

struct Multiples {
    long long first, last;
};

// The multiples of the step inside [min, max]; nothing where there are too many to count.
std::optional<Multiples> MultiplesInside(double min, double max, DecimalStep s)
{
    const double step = DecimalValue({s.mantissa, s.exponent});
    const double low = min / step, high = max / step;
    if (!(std::abs(low) < kLargestMultiple && std::abs(high) < kLargestMultiple))
        return std::nullopt;
    const double slack = DecimalValue({s.mantissa, s.exponent - kEndSlackDigits});
    const auto fromMin = [&](long long k) { return DecimalValue(Multiple(k, s)) - min >= -slack; };
    const auto toMax = [&](long long k) { return max - DecimalValue(Multiple(k, s)) >= -slack; };
    // The quotients are off by less than one: one correction either way.
    long long first = (long long)std::ceil(low), last = (long long)std::floor(high);
    first += fromMin(first - 1) ? -1 : fromMin(first) ? 0 : 1;
    last += toMax(last + 1) ? 1 : toMax(last) ? 0 : -1;
    return Multiples{first, last};
}

long long TickCount(double min, double max, DecimalStep s, double finest)
{
    const std::optional<Multiples> m =
        DecimalValue({s.mantissa, s.exponent}) >= finest ? MultiplesInside(min, max, s) : std::nullopt;
    return m ? std::max(0LL, m->last - m->first + 1) : LLONG_MAX;
}

// Within a billionth of the ends; never an infinite value.
bool InsideLog(double v, double min, double max)
{
    return v - min >= -min * 1e-9 && v - max <= max * 1e-9;
}

// The ticks k x 10^d inside [min, max], k from the mantissas.
std::vector<RoundTick> MantissaTicks(double min, double max, std::span<const int> mantissas)
{
    std::vector<RoundTick> ticks;
    // log10 may round across a decade: one more at the top.
    const int last = int(std::floor(std::log10(max))) + 1;
    for (int d = int(std::floor(std::log10(min))); d <= last; ++d) {
        for (int k : mantissas) {
            if (InsideLog(DecimalValue({k, d}), min, max))
                ticks.push_back({{k, d}});
        }
    }
    return ticks;
}

// Every n-th decade labelled, n the smallest step that keeps them to maxTicks.
std::vector<RoundTick> SparseDecades(const std::vector<RoundTick>& decades, int maxTicks)
{
    const long long first = decades.front().at.exponent, last = decades.back().at.exponent;
    const auto labelled = [&](long long n) { return FloorDiv(last, n) - FloorDiv(first - 1, n); };
    const int n = *std::find_if(std::begin(kDecadeSteps), std::end(kDecadeSteps) - 1,
                                [&](int n) { return labelled(n) <= maxTicks; });
    std::vector<RoundTick> ticks;
    for (RoundTick t : decades) {
        t.labelled = FloorDiv(t.at.exponent, n) * n == t.at.exponent;
        if (t.labelled || n <= kLargestGridStep)
            ticks.push_back(t);
    }
    return ticks;
}

} // namespace

std::optional<DecimalStep> ChooseDecimalStep(double min, double max, int maxTicks, double minStep)
{
    const double magnitude = std::max(std::abs(min), std::abs(max));
    const double finest = std::max({minStep, kFinestStepEpsilons * DBL_EPSILON * magnitude, DBL_MIN});
    // The span in maxTicks steps, halved first so that it cannot overflow.
    const double rough = std::max((max / 2 - min / 2) / maxTicks * 2, finest);
    const int e0 = int(std::clamp(std::floor(std::log10(rough)), -308.0, 307.0));
    std::vector<DecimalStep> steps;
    std::vector<StepCount> counts;
    for (int e = e0 - 1; e <= e0 + 1; ++e) {
        for (DecimalStep s : {DecimalStep{1, e}, DecimalStep{2, e}, DecimalStep{25, e - 1}, DecimalStep{5, e}}) {
            steps.push_back(s);
            counts.push_back({TickCount(min, max, s, finest), s.mantissa != 25});
        }
    }
    const int chosen = ChooseStep(counts, maxTicks);
    return chosen < 0 ? std::nullopt : std::optional(steps[std::size_t(chosen)]);
}

std::vector<TickDecimal> DecimalTicks(double min, double max, DecimalStep step)
{
    std::vector<TickDecimal> ticks;
    if (const std::optional<Multiples> m = MultiplesInside(min, max, step)) {
        for (long long k = m->first; k <= m->last; ++k)
            ticks.push_back(Multiple(k, step));
    }
    return ticks;
}

std::vector<RoundTick> LinearTicks(double min, double max, int maxTicks)
{
    std::vector<RoundTick> ticks;
    if (const std::optional<DecimalStep> step = ChooseDecimalStep(min, max, maxTicks, 0.0)) {
        for (TickDecimal d : DecimalTicks(min, max, *step))
            ticks.push_back({d});
    }
    return ticks;
}

std::vector<RoundTick> LogTicks(double min, double max, int maxTicks)
{
    const std::vector<RoundTick> decades = MantissaTicks(min, max, std::array{1});
    if (decades.size() > std::size_t(maxTicks))
        return SparseDecades(decades, maxTicks);
    // The sparsest plain set that gives enough ticks, else the densest that fits.
    const std::size_t few = std::size_t(std::min(kFewestTicks, maxTicks));
    std::vector<RoundTick> best;
    for (const MantissaSet& set : kMantissaSets) {
        std::vector<RoundTick> ticks = MantissaTicks(min, max, set.mantissas);
        if (ticks.size() > std::size_t(maxTicks))
            break;
        best = std::move(ticks);
        if (set.plain && best.size() >= few)
            return best;
    }
    // Within about a decade a linear walk gives more.
    std::vector<RoundTick> linear = LinearTicks(min, max, maxTicks);
    return best.size() >= few || best.size() >= linear.size() ? best : linear;
}
