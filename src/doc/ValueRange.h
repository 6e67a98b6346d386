#pragma once
// The range of a matrix's finite values as a read or an import finds it.

#include <cmath>
#include <limits>

// Smallest and largest finite value, each the first of its value in storage
// order; min > max when there is none.
struct ValueRange {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();

    // Takes in the values that follow the ones already in the range.
    void Add(double v)
    {
        if (!std::isfinite(v))
            return;
        if (v < min)
            min = v;
        if (v > max)
            max = v;
    }
    void Add(const ValueRange& next)
    {
        if (next.min < min)
            min = next.min;
        if (next.max > max)
            max = next.max;
    }
};
