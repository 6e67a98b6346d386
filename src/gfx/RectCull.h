#pragma once
// Rectangles drawn one after the other with one pen and brush on a device of
// known pixels, gathered so that those that later ones paint wholly over are
// left out. Each rectangle comes with the device pixels it may paint and
// those it surely paints (its footprint); going back from the last, one is
// drawn only where some pixel it may paint is visible and not surely painted
// by a rectangle after it, and no later one is the same rectangle (which
// paints the same pixels on any device). Colours do not matter: any paint
// over a pixel hides what was there. Where the footprints hold, the page is
// the same.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// A box of whole pixels, both ends inclusive; also a page rectangle as given.
struct CBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    bool IsEmpty() const { return left > right || top > bottom; }
    friend bool operator==(const CBox&, const CBox&) = default;
};

// The pixels QPainter paints for a rectangle with corners x1 <= x2, y1 <= y2
// in device pixels, aliased, filled and outlined with a pen penWidth device
// pixels wide (0: one pixel), solid or dashed: `may` holds all of them,
// `surely` only painted ones. With whole corners and a solid one-pixel pen
// both are the corners' box (when the rectangle is not flat).
struct CRectFootprint {
    CBox may;
    CBox surely;
};
CRectFootprint RectFootprint(double x1, double y1, double x2, double y2, double penWidth, bool solid);
// The same for whole corners and a solid one-pixel pen, without rounding
// (kept inline: it runs for every marker of a scatter chart).
inline CRectFootprint RectFootprint(long long x1, long long y1, long long x2, long long y2)
{
    // Far inside the int range: the pixels that matter lie on the device.
    auto clamp = [](long long v) { return int(std::clamp(v, -1000000000LL, 1000000000LL)); };
    const CBox box{clamp(x1), clamp(y1), clamp(x2), clamp(y2)};
    if (x1 < x2 && y1 < y2)
        return {box, box};
    return {{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1}, {}};
}

class CRectCull {
public:
    // Rectangles gathered at most before they must be drawn.
    static constexpr std::size_t kBatch = std::size_t(1) << 14;
    // The bits of coverage kept at most (32 MB): a larger area (a page of
    // metres at a printer's resolution) leaves out only repeated rectangles.
    static constexpr std::size_t kMaxCoverWords = std::size_t(1) << 22;

    bool IsEmpty() const { return m_rects.empty(); }
    bool IsFull() const { return m_rects.size() >= kBatch; }
    void Add(const CBox& page, const CRectFootprint& footprint) { m_rects.push_back({page, footprint}); }
    // Leaves in out, in their order, the page rectangles to draw of those
    // gathered; only the pixels of `visible` can change. The cull is empty
    // afterwards.
    void Finish(const CBox& visible, std::vector<CBox>& out);

private:
    struct Gathered {
        CBox page;
        CRectFootprint footprint;
    };

    struct RowSpan {
        std::size_t first;
        std::size_t last;
        std::uint64_t firstMask;
        std::uint64_t lastMask;
    };

    bool IsRepeatedLater(std::size_t i);
    bool UseArea(const CBox& visible);
    RowSpan SpanOf(const CBox& box) const;
    bool IsCovered(const CBox& box) const;
    void Cover(const CBox& box);
    void Uncover();

    std::vector<Gathered> m_rects;
    std::vector<char> m_keep;
    // The page rectangles after the one looked at, hashed (an open table of
    // twice the batch, -1 for a free slot).
    std::vector<int> m_seen;
    // The pixels surely painted by the rectangles after the one looked at, a
    // bit each over the visible area, in rows of whole words.
    CBox m_area;
    std::size_t m_nWords = 0;
    std::vector<std::uint64_t> m_bits;
    int m_nCoveredTop = 0;
    int m_nCoveredBottom = -1;
};
