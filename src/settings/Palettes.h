#pragma once
// The series colours: the chart's seven, or a palette of more that readers
// with a colour vision deficiency can tell apart too.

#include "gfx/GdiTypes.h"

#include <optional>
#include <string_view>
#include <vector>

struct CPlotSettings;
struct CSeriesStyle;

// The palettes by number: 0 is the chart's own seven colours.
struct Palette {
    const char* name;  // as the command line and the dialog name it
    std::vector<COLORREF> colors;
};
const std::vector<Palette>& Palettes();
std::optional<int> PaletteByName(std::string_view name);
// The names, "|"-separated, as the usage text lists them.
const char* PaletteNames();

// The style of document row r: its own, or the defaults.
const CSeriesStyle& StyleOf(const CPlotSettings& s, int row);
// The colour of document row r: its own, else the palette's, counted from row 0.
COLORREF SeriesColor(const CPlotSettings& s, int row);
// True when a series of the document is hidden or reads on the right axis.
bool AnyHidden(const CPlotSettings& s);
bool AnyOnTheRight(const CPlotSettings& s);
