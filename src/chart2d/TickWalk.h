#pragma once
// The walks over the tick values of a linear and of a logarithmic axis.

#include <cmath>

// No axis draws more ticks than this, whatever its step.
constexpr int kMaxTicks = 10000;

// Calls tick(v) for v = min, min + step, ... while v <= max, the value added up
// step by step. The walk stops as soon as a step no longer raises the value
// (zero, negative, NaN, or lost in rounding) and after kMaxTicks ticks.
template <class Tick>
void ForEachLinearTick(double min, double max, double step, Tick tick)
{
    double v = min;
    for (int n = 0; n < kMaxTicks && v <= max; ++n) {
        tick(v);
        const double next = v + step;
        if (!(next > v))
            break;
        v = next;
    }
}

// Calls tick(lv, e, k) for lv = log10(k * 10^e), k = 1..9, over the decades from
// trunc(lmin) - 1 to trunc(lmax), for every lv that lies in [lmin, lmax].
template <class Tick>
void ForEachDecadeTick(double lmin, double lmax, Tick tick)
{
    // The ends are at least -6 and at most log10 of the largest double, unless infinite.
    if (!std::isfinite(lmin) || !std::isfinite(lmax))
        return;
    const int last = int(lmax);
    for (int e = int(lmin) - 1; e <= last; ++e) {
        for (int k = 1; k <= 9; ++k) {
            const double lv = std::log10(k * std::pow(10.0, e));
            if (lmin <= lv && lv <= lmax)
                tick(lv, e, k);
        }
    }
}
