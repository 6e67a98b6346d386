#include "gfx/NumberText.h"

#include <algorithm>
#include <charconv>

std::string FormatFixed(double v, int decimals, int width, bool leftJustified)
{
    // The digits of printf's %.*f in any locale: the decimal point is always '.'.
    // The largest double takes 309 digits, a sign, a point and 9 decimals.
    char digits[330];
    const int prec = std::clamp(decimals, 0, 9);
    char* end = std::to_chars(digits, digits + sizeof digits, v, std::chars_format::fixed, prec).ptr;
    std::string text(digits, std::size_t(end - digits));
    const std::size_t pad = std::size_t(std::max(width, 0));
    if (text.size() < pad)
        text.insert(leftJustified ? text.end() : text.begin(), pad - text.size(), ' ');
    return text;
}
