#include "ticks/TickDecimal.h"

#include <cmath>

namespace {

constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExact = 22;
constexpr int kLargestFinite = 308;

} // namespace

double PowerOfTen(int e)
{
    return e <= kLargestExact ? kExactPowers[e] : std::pow(10.0, e);
}

double DecimalValue(TickDecimal d)
{
    const double digits = double(d.digits);
    if (d.exponent >= 0)
        return digits * PowerOfTen(d.exponent);
    if (d.exponent >= -kLargestFinite)
        return digits / PowerOfTen(-d.exponent);
    // Below 1e-308 the power itself is out of range: two divisions.
    return digits / PowerOfTen(kLargestFinite) / PowerOfTen(-d.exponent - kLargestFinite);
}
