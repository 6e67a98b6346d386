#include "doc/DateTime.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kSecondsPerDay = 86400.0;
// About a million years either side of 1970: no text is written beyond.
constexpr double kLimitSeconds = 3.15e13;

bool IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Reads the text one piece at a time; every read moves past what it took.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_pos == m_text.size(); }
    char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++m_pos;
        return true;
    }
    // minDigits..maxDigits decimal digits as a number.
    std::optional<int> Digits(int minDigits, int maxDigits)
    {
        int n = 0, value = 0;
        while (n < maxDigits && Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + (m_text[m_pos++] - '0');
            ++n;
        }
        return n >= minDigits ? std::optional<int>(value) : std::nullopt;
    }
    // A fraction after the decimal point: ".25" gives 0.25; nothing without a digit.
    std::optional<double> Fraction()
    {
        double value = 0.0, scale = 0.1;
        const std::size_t start = m_pos;
        while (Peek() >= '0' && Peek() <= '9') {
            value += (m_text[m_pos++] - '0') * scale;
            scale *= 0.1;
        }
        return m_pos > start ? std::optional<double>(value) : std::nullopt;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// "2026-01-01" or "2026/1/1": the same separator twice.
bool ReadDate(Cursor& c, CivilTime& t)
{
    const std::optional<int> year = c.Digits(4, 4);
    const char separator = c.Peek();
    if (!year || (separator != '-' && separator != '/') || !c.Take(separator))
        return false;
    const std::optional<int> month = c.Digits(1, 2);
    if (!month || !c.Take(separator))
        return false;
    const std::optional<int> day = c.Digits(1, 2);
    if (!day || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month))
        return false;
    t.year = *year;
    t.month = *month;
    t.day = *day;
    return true;
}

// "12:00", "12:00:00" or "12:00:00.25".
bool ReadTime(Cursor& c, CivilTime& t)
{
    const std::optional<int> hour = c.Digits(1, 2);
    if (!hour || !c.Take(':'))
        return false;
    const std::optional<int> minute = c.Digits(2, 2);
    if (!minute || *hour > 23 || *minute > 59)
        return false;
    t.hour = *hour;
    t.minute = *minute;
    if (!c.Take(':'))
        return true;
    const std::optional<int> second = c.Digits(2, 2);
    if (!second || *second > 59)
        return false;
    t.second = *second;
    if (!c.Take('.') && !c.Take(','))
        return true;
    const std::optional<double> fraction = c.Fraction();
    if (!fraction)
        return false;
    t.second += *fraction;
    return true;
}

// "Z", "+09:00", "+0900" or "-05".
bool ReadZone(Cursor& c, std::optional<int>& offset)
{
    if (c.Take('Z')) {
        offset = 0;
        return true;
    }
    const int sign = c.Take('+') ? 1 : c.Take('-') ? -1 : 0;
    if (sign == 0)
        return true;
    const std::optional<int> hours = c.Digits(2, 2);
    if (!hours)
        return false;
    // Minutes after a colon or straight on, or none at the end.
    const bool colon = c.Take(':');
    const std::optional<int> minutes = colon || !c.AtEnd() ? c.Digits(2, 2) : std::optional<int>(0);
    if (!minutes || *hours > 23 || *minutes > 59)
        return false;
    offset = sign * (*hours * 3600 + *minutes * 60);
    return true;
}

}  // namespace

long long DaysFromCivil(int year, int month, int day)
{
    // Years counted from March, so that the leap day ends the year.
    const long long y = month <= 2 ? (long long)year - 1 : year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

double SecondsFromCivil(const CivilTime& t)
{
    return double(DaysFromCivil(t.year, t.month, t.day)) * kSecondsPerDay + t.hour * 3600.0 + t.minute * 60.0 +
           t.second;
}

std::optional<CivilTime> CivilFromSeconds(double seconds)
{
    if (!(std::abs(seconds) <= kLimitSeconds))
        return std::nullopt;
    long long days = (long long)std::floor(seconds / kSecondsPerDay);
    double rest = seconds - double(days) * kSecondsPerDay;
    if (rest >= kSecondsPerDay) {   // rounding at the day's end
        ++days;
        rest = 0.0;
    }
    // The inverse of DaysFromCivil.
    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    CivilTime t;
    t.day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    t.month = int(mp < 10 ? mp + 3 : mp - 9);
    t.year = int(yearOfEra + era * 400 + (t.month <= 2));
    t.hour = int(rest / 3600.0);
    t.minute = int((rest - t.hour * 3600.0) / 60.0);
    t.second = rest - t.hour * 3600.0 - t.minute * 60.0;
    return t;
}

std::optional<ParsedDateTime> ParseDateTime(std::string_view text)
{
    Cursor c(Trimmed(text));
    CivilTime t;
    if (!ReadDate(c, t))
        return std::nullopt;
    ParsedDateTime parsed;
    if (!c.AtEnd()) {
        if (!(c.Take('T') || c.Take(' ')) || !ReadTime(c, t) || !ReadZone(c, parsed.offsetSeconds) || !c.AtEnd())
            return std::nullopt;
    }
    parsed.seconds = SecondsFromCivil(t);
    return parsed;
}

std::string FormatDateTime(double seconds, int fractionDigits)
{
    if (!CivilFromSeconds(seconds))
        return {};
    const int digits = fractionDigits < 0 ? 0 : fractionDigits > 9 ? 9 : fractionDigits;
    // Rounded to the digits shown, carrying into the minute (and on) as a clock
    // does: 05.2999999 (05.3 as a double) reads 05.3, and 59.9999 never 60.
    const long long scale = (long long)std::pow(10.0, digits);
    double whole = std::floor(seconds);
    long long units = std::llround((seconds - whole) * double(scale));
    if (units == scale) {
        whole += 1.0;
        units = 0;
    }
    const std::optional<CivilTime> t = CivilFromSeconds(whole);
    if (!t)
        return {};
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t->year, t->month, t->day,
                                     t->hour, t->minute, int(t->second));
    if (digits > 0)
        std::snprintf(text + length, sizeof text - std::size_t(length), ".%0*lld", digits, units);
    return text;
}
