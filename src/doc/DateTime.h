#pragma once
// Date-times as data files write them, and back: a time is kept as seconds
// from 1970-01-01 00:00:00 on the clock it is written in (a time without a
// zone is shown as written, nothing is converted), in the proleptic
// Gregorian calendar.

#include <optional>
#include <string>
#include <string_view>

struct CivilTime {
    int year = 1970;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;
    int minute = 0;
    double second = 0.0;  // 0 <= second < 60
};

// Days from 1970-01-01 to the date (negative before it).
long long DaysFromCivil(int year, int month, int day);
int DaysInMonth(int year, int month);
double SecondsFromCivil(const CivilTime& t);
// Nothing for a value that is not finite or lies a million years or more from 1970.
std::optional<CivilTime> CivilFromSeconds(double seconds);

struct ParsedDateTime {
    double seconds = 0.0;               // on the clock written, the zone not applied
    std::optional<int> offsetSeconds;   // the zone written after it (Z: 0), if any
};

// Reads a whole text (blanks around it allowed) as one of
//   2026-01-01T12:00:00   2026-01-01 12:00:00   2026-01-01T12:00
//   with fractional seconds (12:00:00.25) and a zone (Z, +09:00, +0900, -05)
//   2026/01/01 12:00:00   2026/01/01 12:00   2026-01-01   2026/01/01
// Nothing when the text is not such a date-time or names no real date or time.
std::optional<ParsedDateTime> ParseDateTime(std::string_view text);

// "2026-01-01 12:00:00", with the given digits of the second's fraction
// (0..9), rounded; "" for a value CivilFromSeconds refuses.
std::string FormatDateTime(double seconds, int fractionDigits = 0);
