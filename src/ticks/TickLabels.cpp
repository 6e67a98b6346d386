#include "ticks/TickLabels.h"

#include "doc/DateTime.h"

#include <algorithm>
#include <charconv>

namespace {

// The magnitude of n in decimal digits.
std::string Digits(long long n)
{
    char text[24];
    const unsigned long long magnitude = n < 0 ? 0ULL - (unsigned long long)n : (unsigned long long)n;
    return std::string(text, std::to_chars(text, text + sizeof text, magnitude).ptr);
}

// At least width digits, zeros in front; a sign before them.
std::string Padded(long long n, std::size_t width)
{
    std::string digits = Digits(n);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}

std::string PlainLabel(TickDecimal d)
{
    // Zero of a step of ten or more reads 0, not 00.
    if (d.exponent >= 0 && d.digits == 0)
        return "0";
    if (d.exponent >= 0)
        return (d.digits < 0 ? "-" : "") + Digits(d.digits) + std::string(std::size_t(d.exponent), '0');
    const std::size_t decimals = std::size_t(-d.exponent);
    std::string label = Padded(d.digits, decimals + 1);
    label.insert(label.size() - decimals, 1, '.');
    return label;
}

std::string ScientificLabel(TickDecimal d)
{
    if (d.digits == 0)
        return "0";
    const std::string digits = Digits(d.digits);
    const std::string mantissa = digits.size() > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
    return (d.digits < 0 ? "-" : "") + mantissa + "e" + std::to_string(int(digits.size()) - 1 + d.exponent);
}

// Plain decimals read well until they carry six zeros that say nothing
// (1000000 for a step of a million, 0.00001) or run to sixteen digits.
bool NeedsScientific(TickDecimal d)
{
    const int power = int(Digits(d.digits).size()) - 1 + d.exponent;   // of the leading digit
    return d.exponent >= 6 || power <= -5 || power >= 15;
}

// A time tick read on its clock.
struct ClockReading {
    long long whole;        // seconds
    CivilTime civil;        // of the whole seconds
    std::string fraction;   // the digits of the second's fraction; empty for whole seconds
    bool midnight;
};

ClockReading ReadClock(TickDecimal t)
{
    const std::size_t decimals = std::size_t(std::max(0, -t.exponent));
    const long long scale = (long long)PowerOfTen(int(decimals));
    const long long whole = FloorDiv(t.digits, scale), fraction = t.digits - whole * scale;
    const std::string digits = decimals ? Padded(fraction, decimals) : "";
    const bool midnight = FloorDiv(whole, 86400) * 86400 == whole && fraction == 0;
    return {whole, CivilFromSeconds(double(whole)).value_or(CivilTime{}), digits, midnight};
}

// "1/2"; "2027/1/1" where the year differs from the tick before.
std::string DateLabel(const ClockReading& r, const ClockReading* previous)
{
    const CivilTime& c = r.civil;
    const std::string year = previous && previous->civil.year != c.year ? Padded(c.year, 4) + "/" : "";
    return year + std::to_string(c.month) + "/" + std::to_string(c.day);
}

// "12:00", "12:00:05" or "12:00:05.5".
std::string ClockLabel(const ClockReading& r, TimeUnit unit)
{
    std::string label = Padded(r.civil.hour, 2) + ":" + Padded(r.civil.minute, 2);
    if (unit == TimeUnit::Second || unit == TimeUnit::SubSecond)
        label += ":" + Padded((long long)r.civil.second, 2);
    return r.fraction.empty() ? label : label + "." + r.fraction;
}

std::string TimeLabel(const ClockReading& r, const ClockReading* previous, TimeUnit unit, bool dated)
{
    switch (unit) {
    case TimeUnit::Year:
        return Padded(r.civil.year, 4);
    case TimeUnit::Month:
        return Padded(r.civil.year, 4) + "-" + Padded(r.civil.month, 2);
    case TimeUnit::Day:
        return DateLabel(r, previous);
    default:
        break;
    }
    if (r.midnight)
        return DateLabel(r, previous);
    return dated ? DateLabel(r, previous) + " " + ClockLabel(r, unit) : ClockLabel(r, unit);
}

std::string TimeContext(const ClockReading& first, TimeUnit unit, bool dated)
{
    const CivilTime& c = first.civil;
    if (unit == TimeUnit::Year || unit == TimeUnit::Month)
        return {};
    if (unit == TimeUnit::Day || dated)
        return Padded(c.year, 4);
    return Padded(c.year, 4) + "-" + Padded(c.month, 2) + "-" + Padded(c.day, 2);
}

} // namespace

std::vector<std::string> NumberLabels(std::span<const TickDecimal> ticks)
{
    const bool scientific = std::any_of(ticks.begin(), ticks.end(), NeedsScientific);
    std::vector<std::string> labels;
    for (TickDecimal d : ticks)
        labels.push_back(scientific ? ScientificLabel(d) : PlainLabel(d));
    return labels;
}

TimeLabels MakeTimeLabels(std::span<const TickDecimal> ticks, TimeUnit unit)
{
    std::vector<ClockReading> readings;
    for (TickDecimal t : ticks)
        readings.push_back(ReadClock(t));
    if (readings.empty())
        return {};
    // Clock times repeat from one day to the next: over a day, each says its date.
    const bool dated = readings.back().whole - readings.front().whole >= 86400;
    TimeLabels result;
    for (std::size_t i = 0; i < readings.size(); ++i)
        result.labels.push_back(TimeLabel(readings[i], i ? &readings[i - 1] : nullptr, unit, dated));
    result.context = TimeContext(readings.front(), unit, dated);
    return result;
}
