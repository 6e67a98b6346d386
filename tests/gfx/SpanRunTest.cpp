// Zero-width polygons merged into spans must draw the pixels every polygon
// draws: stacked bands of many columns a pixel, and polygons made to catch
// the corners of the merge, on every device.

#include "SamePixels.h"
#include "gfx/SpanRun.h"

#include <random>

namespace {

// The bands of a stacked chart: per row, a quadrilateral from the bottom b up
// to the running total between each pair of neighbouring columns, many
// columns a page unit. Totals walk at random, sit on the bottom, fall below
// it and jump far off the page now and then.
void DrawBands(CDC& dc, unsigned seed, int width, int columns, int b)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> step(-4, 4);
    std::uniform_int_distribution<int> odd(0, 60);
    for (int row = 0; row < 4; ++row) {
        const COLORREF color = RGB(60 * row, 200 - 40 * row, 90 + 50 * row);
        dc.SelectObject(CPen{PS_SOLID, width, color});
        dc.SelectObject(CBrush{color});
        int y = b + 10 * (row + 1);
        CPoint last{-3, y};
        for (int c = 0; c < columns; ++c) {
            const int x = -3 + int(c * 76.0 / columns);
            y += step(rng);
            const int pick = odd(rng);
            const int total = pick == 0 ? b : pick == 1 ? -1000000 : pick == 2 ? 300000000 : pick == 3 ? b - 7 : y;
            const CPoint quad[4] = {last, {last.x, b}, {x, b}, {x, total}};
            dc.Polygon(quad, 4);
            last = {x, total};
        }
    }
}

TEST(SpanRun, StackedBandsDrawTheSamePixels)
{
    for (int width : {0, 1, 3}) {
        for (int columns : {40, 700, 5000}) {
            SCOPED_TRACE("pen width " + std::to_string(width) + ", " + std::to_string(columns) + " columns");
            ExpectSamePixels([&](CDC& dc) { DrawBands(dc, 7 + unsigned(columns), width, columns, 12); }, 70, 70);
            ExpectSamePixels(
                [&](CDC& dc) {
                    dc.IntersectClipRect(10, 60, 55, 20);
                    DrawBands(dc, 11, width, columns, 30);
                },
                70, 70);
        }
    }
}

struct Polygons {
    const char* name;
    std::vector<std::vector<CPoint>> polygons;
};

// Runs of zero-width polygons that overlap, only touch, or lie apart; single
// points beside and inside spans; polygons of 2, 3 and 5 points; ones that
// leave the column or the page.
std::vector<Polygons> Cases()
{
    return {
        {"overlapping", {{{10, 5}, {10, 20}}, {{10, 15}, {10, 40}, {10, 30}}, {{10, 2}, {10, 8}, {10, 8}, {10, 3}}}},
        {"touching", {{{10, 5}, {10, 20}}, {{10, 20}, {10, 30}}, {{10, 30}, {10, 30}, {10, 44}, {10, 31}}}},
        {"apart", {{{10, 5}, {10, 20}}, {{10, 25}, {10, 30}}, {{10, 10}, {10, 12}}, {{10, 40}, {10, 50}}}},
        {"points", {{{10, 5}, {10, 5}}, {{10, 5}, {10, 5}, {10, 5}}, {{10, 9}, {10, 9}}, {{10, 3}, {10, 30}},
                    {{10, 30}, {10, 30}}, {{10, 31}, {10, 31}}, {{10, 9}, {10, 9}}}},
        {"columns", {{{10, 5}, {10, 20}}, {{11, 5}, {11, 20}}, {{10, 5}, {10, 20}}, {{11, 8}, {11, 8}},
                     {{12, 8}, {12, 8}}, {{12, 5}, {12, 30}}}},
        {"not zero-width", {{{10, 5}, {10, 20}}, {{10, 20}, {11, 20}, {11, 5}}, {{11, 5}, {11, 25}},
                            {{11, 5}, {11, 25}, {14, 25}, {14, 5}}, {{14, 9}, {14, 40}}}},
        {"off the page", {{{-2, 5}, {-2, 20}}, {{-2, -50}, {-2, 10}}, {{70, -9}, {70, 400}}, {{69, 1000000}, {69, -1000000}},
                          {{30, 2000000000}, {30, -2000000000}}, {{30, 5}, {30, 5}}}},
    };
}

TEST(SpanRun, ZeroWidthPolygonsDrawTheSamePixels)
{
    for (const Polygons& c : Cases()) {
        for (int width : {0, 1, 2}) {
            SCOPED_TRACE(std::string(c.name) + " pen width " + std::to_string(width));
            ExpectSamePixels(
                [&](CDC& dc) {
                    dc.SelectObject(CPen{PS_SOLID, width, RGB(20, 40, 160)});
                    dc.SelectObject(CBrush{RGB(200, 40, 60)});
                    for (const auto& p : c.polygons)
                        dc.Polygon(p.data(), int(p.size()));
                },
                70, 50);
        }
    }
}

// A new pen, brush or any other drawing ends a run: what was gathered is drawn
// first, in its own colours.
TEST(SpanRun, RunsEndBeforeEveryOtherOperation)
{
    const std::pair<const char*, Drawing> betweens[] = {
        {"pen", [](CDC& dc) { dc.SelectObject(CPen{PS_SOLID, 0, RGB(0, 160, 0)}); }},
        {"brush", [](CDC& dc) { dc.SelectObject(CBrush{RGB(0, 0, 255)}); }},
        {"line", [](CDC& dc) { dc.MoveTo(5, 25); dc.LineTo(40, 25); }},
        {"clip", [](CDC& dc) { dc.IntersectClipRect(0, 28, 50, 0); }},
        {"rectangle", [](CDC& dc) { dc.Rectangle(5, 30, 30, 18); }},
    };
    for (const auto& [name, between] : betweens) {
        SCOPED_TRACE(name);
        ExpectSamePixels(
            [&](CDC& dc) {
                dc.SelectObject(CPen{PS_SOLID, 0, RGB(200, 0, 0)});
                for (int y : {10, 35, 5, 20}) {
                    const CPoint span[4] = {{20, y}, {20, 2}, {20, 2}, {20, y + 3}};
                    dc.Polygon(span, 4);
                }
                between(dc);
                const CPoint span[4] = {{20, 40}, {20, 2}, {20, 2}, {20, 40}};
                dc.Polygon(span, 4);
            },
            50, 50);
    }
}

// The merge itself: one polygon per run of overlapping spans, each single
// point once.
TEST(SpanRun, KeepsTheUnionAndEachPoint)
{
    CSpanRun run;
    const CPoint a[4] = {{5, 10}, {5, 0}, {5, 0}, {5, 30}};
    const CPoint b[4] = {{5, -4}, {5, 0}, {5, 0}, {5, 12}};
    const CPoint point[2] = {{5, 50}, {5, 50}};
    const CPoint apart[2] = {{5, 40}, {5, 45}};
    const CPoint wide[4] = {{5, 0}, {6, 0}, {6, 3}, {5, 3}};
    EXPECT_FALSE(run.Add(a, 4));  // no run to continue
    EXPECT_TRUE(run.Start(a, 4));
    EXPECT_TRUE(run.Add(b, 4));
    EXPECT_TRUE(run.Add(point, 2));
    EXPECT_TRUE(run.Add(point, 2));
    EXPECT_FALSE(run.Add(apart, 2));
    EXPECT_FALSE(run.Add(wide, 4));
    std::vector<CLine> out;
    run.Finish(out);
    EXPECT_EQ(out, (std::vector<CLine>{{{5, -4}, {5, 30}}, {{5, 50}, {5, 50}}}));
    out.clear();
    EXPECT_FALSE(run.Start(wide, 4));
    EXPECT_TRUE(run.Start(apart, 2));
    run.Finish(out);
    EXPECT_EQ(out, (std::vector<CLine>{{{5, 40}, {5, 45}}}));
}

}  // namespace
