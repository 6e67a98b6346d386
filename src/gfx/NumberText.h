#pragma once
// Numbers written as the chart labels show them.

#include <string>

// v as printf's "%*.*f" writes it, with decimals taken as 0..9, in at least
// width characters, blank-padded on the left (or on the right when
// leftJustified). A wider number is written whole, however long.
std::string FormatFixed(double v, int decimals, int width = 0, bool leftJustified = false);
