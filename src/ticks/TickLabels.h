#pragma once
// How a tick reads: numbers with the digits that tell the ticks apart, times
// with what changes from one tick to the next.

#include "ticks/TickDecimal.h"
#include "ticks/TimeTicks.h"

#include <span>
#include <string>
#include <vector>

// One label a tick, all in one form: plain decimals with the digits the ticks
// carry (0.5, 1.0, 1.5; 1000, 1500; 0.001, 0.01), or, where a plain one would
// carry six zeros that say nothing or sixteen digits, scientific (2e-5, 1.5e6,
// 1e20). Zero reads 0 (0.0 among ticks of one decimal), never -0.
std::vector<std::string> NumberLabels(std::span<const TickDecimal> ticks);

struct TimeLabels {
    std::vector<std::string> labels;
    std::string context;   // what the labels leave out: "2026-01-01", "2026" or ""
};

// The labels of ticks as TimeTicks gives them:
//   years "2026", months "2026-01" (context empty);
//   days "1/2" (context: the year of the first tick);
//   hours and minutes "12:00", seconds "12:00:05", fractions "12:00:05.5"
//   (context: the date of the first tick); ticks over a day or more read
//   "1/2 12:00" (context: the year).
// A tick at midnight reads its date ("1/2"); a date whose year differs from the
// tick before reads with it ("2027/1/1").
TimeLabels MakeTimeLabels(std::span<const TickDecimal> ticks, TimeUnit unit);
