#include "settings/Palettes.h"

#include "settings/PlotSettings.h"

#include <algorithm>
#include <string>

const std::vector<Palette>& Palettes()
{
    // Hex as in HTML (RRGGBB) turned into COLORREF.
    static const auto rgb = [](unsigned hex) { return RGB(int(hex >> 16), int(hex >> 8), int(hex)); };
    static const std::vector<Palette> palettes = {
        {"classic", {}},
        {"okabe-ito", {rgb(0xE69F00), rgb(0x56B4E9), rgb(0x009E73), rgb(0xF0E442), rgb(0x0072B2), rgb(0xD55E00),
                       rgb(0xCC79A7), rgb(0x000000)}},
        {"tol12", {rgb(0xCC6677), rgb(0x332288), rgb(0xDDCC77), rgb(0x117733), rgb(0x88CCEE), rgb(0x882255),
                   rgb(0x44AA99), rgb(0x999933), rgb(0xAA4499), rgb(0x0077BB), rgb(0xEE7733), rgb(0xBBBBBB)}},
    };
    return palettes;
}

std::optional<int> PaletteByName(std::string_view name)
{
    const std::vector<Palette>& all = Palettes();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (name == all[i].name)
            return int(i);
    return std::nullopt;
}

const char* PaletteNames()
{
    static const std::string names = [] {
        std::string text;
        for (const Palette& p : Palettes())
            text += (text.empty() ? "" : "|") + std::string(p.name);
        return text;
    }();
    return names.c_str();
}

const CSeriesStyle& StyleOf(const CPlotSettings& s, int row)
{
    static const CSeriesStyle defaults;
    return row >= 0 && std::size_t(row) < s.m_series.size() ? s.m_series[std::size_t(row)] : defaults;
}

COLORREF SeriesColor(const CPlotSettings& s, int row)
{
    const CSeriesStyle& style = StyleOf(s, row);
    if (style.m_bOwnColor)
        return style.m_crColor;
    const std::vector<Palette>& all = Palettes();
    if (s.m_nPalette <= 0 || std::size_t(s.m_nPalette) >= all.size())
        return s.m_crSeries[row % 7];
    const std::vector<COLORREF>& colors = all[std::size_t(s.m_nPalette)].colors;
    return colors[std::size_t(row) % colors.size()];
}

bool AnyHidden(const CPlotSettings& s)
{
    return std::any_of(s.m_series.begin(), s.m_series.end(), [](const CSeriesStyle& c) { return c.m_bHidden; });
}

bool AnyOnTheRight(const CPlotSettings& s)
{
    return std::any_of(s.m_series.begin(), s.m_series.end(), [](const CSeriesStyle& c) { return c.m_bRightAxis; });
}
