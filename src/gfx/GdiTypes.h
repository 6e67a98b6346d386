#pragma once
// Small value types of the drawing surface: colours, points, pens, brushes, fonts.

#include <cstdint>
#include <string>

using COLORREF = std::uint32_t;  // 0x00BBGGRR, red in the low byte

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;

// GetDeviceCaps indices.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CPen {
    int style = PS_SOLID;
    int width = 0;  // 0: one device pixel
    COLORREF color = 0;
    friend bool operator==(const CPen&, const CPen&) = default;
};

struct CBrush {
    COLORREF color = 0xFFFFFF;
    friend bool operator==(const CBrush&, const CBrush&) = default;
};

// A font as the charts ask for it: cell height and character width in page
// units, underline, and the face name as Shift-JIS bytes.
struct CFont {
    int height = 0;
    int width = 0;
    bool underline = false;
    std::string face;
    friend bool operator==(const CFont&, const CFont&) = default;
};
