#include "gfx/RectCull.h"

#include <algorithm>

namespace {

// floor and ceil of a device coordinate as ints, kept far inside the int
// range (the pixels that matter lie on the device), without a library call.
int Floor(double v)
{
    v = std::clamp(v, -1e9, 1e9);
    const int i = int(v);
    return i - (v < i);
}

int Ceil(double v)
{
    v = std::clamp(v, -1e9, 1e9);
    const int i = int(v);
    return i + (v > i);
}

CBox Intersect(const CBox& a, const CBox& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace

// A one-pixel outline paints within a pixel of the edges, a wide one farther.
// The fill paints every pixel whose square lies inside.
CRectFootprint RectFootprint(double x1, double y1, double x2, double y2, double penWidth, bool solid)
{
    const CBox floor{Floor(x1), Floor(y1), Floor(x2), Floor(y2)};
    if (solid && penWidth == 0.0 && floor.left == x1 && floor.top == y1 && floor.right == x2 && floor.bottom == y2)
        return RectFootprint(floor.left, floor.top, floor.right, floor.bottom);
    // A miter join folded back on a flat rectangle reaches a pen width past
    // its corner, at QPen's miter limit of 2.
    const int reach = 1 + Ceil(penWidth * 2);
    const CBox may{floor.left - reach, floor.top - reach, floor.right + reach, floor.bottom + reach};
    return {may, {Ceil(x1), Ceil(y1), floor.right - 1, floor.bottom - 1}};
}

void CRectCull::Finish(const CBox& visible, std::vector<CBox>& out)
{
    if (m_rects.empty())
        return;
    const bool cover = UseArea(visible);
    m_keep.assign(m_rects.size(), 0);
    m_seen.assign(2 * m_rects.size() + 1, -1);
    for (std::size_t i = m_rects.size(); i-- > 0;) {
        const CBox may = Intersect(m_rects[i].footprint.may, m_area);
        if (may.IsEmpty() || IsRepeatedLater(i) || (cover && IsCovered(may)))
            continue;
        m_keep[i] = 1;
        if (cover)
            Cover(Intersect(m_rects[i].footprint.surely, m_area));
    }
    Uncover();
    for (std::size_t i = 0; i < m_rects.size(); ++i) {
        if (m_keep[i])
            out.push_back(m_rects[i].page);
    }
    m_rects.clear();
}

// Whether a rectangle after the i-th is the same; the i-th is remembered for
// those before it.
bool CRectCull::IsRepeatedLater(std::size_t i)
{
    const CBox& page = m_rects[i].page;
    std::size_t h = std::size_t(std::uint32_t(page.left)) * 0x9E3779B1u ^ std::size_t(std::uint32_t(page.top)) * 0x85EBCA77u ^
                    std::size_t(std::uint32_t(page.right)) * 0xC2B2AE3Du ^ std::size_t(std::uint32_t(page.bottom));
    for (h %= m_seen.size(); m_seen[h] >= 0; h = (h + 1) % m_seen.size()) {
        if (m_rects[std::size_t(m_seen[h])].page == page)
            return true;
    }
    m_seen[h] = int(i);
    return false;
}

// The visible pixels the gathered rectangles may paint; whether their
// coverage is followed there (not on a page too large for it).
bool CRectCull::UseArea(const CBox& visible)
{
    CBox reach = m_rects.front().footprint.may;
    for (const Gathered& r : m_rects) {
        reach = {std::min(reach.left, r.footprint.may.left), std::min(reach.top, r.footprint.may.top),
                 std::max(reach.right, r.footprint.may.right), std::max(reach.bottom, r.footprint.may.bottom)};
    }
    m_area = Intersect(reach, visible);
    if (m_area.IsEmpty())
        return false;
    m_nWords = (std::size_t(m_area.right - m_area.left) + 64) / 64;
    const std::size_t size = m_nWords * (std::size_t(m_area.bottom - m_area.top) + 1);
    if (size > kMaxCoverWords)
        return false;
    if (m_bits.size() < size)
        m_bits.resize(size, 0);
    return true;
}

// The words of a row a box spans, and the masks of its first and last word.
CRectCull::RowSpan CRectCull::SpanOf(const CBox& box) const
{
    const int from = box.left - m_area.left, to = box.right - m_area.left;
    RowSpan s{std::size_t(from / 64), std::size_t(to / 64), ~std::uint64_t(0) << (from % 64),
              ~std::uint64_t(0) >> (63 - to % 64)};
    if (s.first == s.last)
        s.firstMask &= s.lastMask;
    return s;
}

bool CRectCull::IsCovered(const CBox& box) const
{
    const RowSpan s = SpanOf(box);
    for (int y = box.top; y <= box.bottom; ++y) {
        const std::uint64_t* row = &m_bits[std::size_t(y - m_area.top) * m_nWords];
        if ((row[s.first] & s.firstMask) != s.firstMask)
            return false;
        if (s.last == s.first)
            continue;
        if ((row[s.last] & s.lastMask) != s.lastMask)
            return false;
        for (std::size_t w = s.first + 1; w < s.last; ++w) {
            if (row[w] != ~std::uint64_t(0))
                return false;
        }
    }
    return true;
}

void CRectCull::Cover(const CBox& box)
{
    if (box.IsEmpty())
        return;
    const RowSpan s = SpanOf(box);
    for (int y = box.top; y <= box.bottom; ++y) {
        std::uint64_t* row = &m_bits[std::size_t(y - m_area.top) * m_nWords];
        row[s.first] |= s.firstMask;
        if (s.last == s.first)
            continue;
        row[s.last] |= s.lastMask;
        std::fill(row + s.first + 1, row + s.last, ~std::uint64_t(0));
    }
    if (m_nCoveredTop > m_nCoveredBottom) {
        m_nCoveredTop = box.top;
        m_nCoveredBottom = box.bottom;
    }
    m_nCoveredTop = std::min(m_nCoveredTop, box.top);
    m_nCoveredBottom = std::max(m_nCoveredBottom, box.bottom);
}

// Clears the rows covered, for the next batch.
void CRectCull::Uncover()
{
    if (m_nCoveredTop <= m_nCoveredBottom) {
        const auto first = m_bits.begin() + std::ptrdiff_t(std::size_t(m_nCoveredTop - m_area.top) * m_nWords);
        std::fill(first, first + std::ptrdiff_t(std::size_t(m_nCoveredBottom - m_nCoveredTop + 1) * m_nWords), 0);
    }
    m_nCoveredTop = 0;
    m_nCoveredBottom = -1;
}
