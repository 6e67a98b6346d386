// Drawing takes memory bounded whatever the document: every chart of a
// document of 48 MB is drawn with 16 MB to spare, in a child process whose
// address space is limited as `ulimit -v` limits a program.

#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "settings/PlotSettings.h"
#include "support/MemoryLimit.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Draws nothing: only what the charts themselves allocate counts.
class CNullDC : public CDC {
public:
    long long m_nShapes = 0;

protected:
    void DoLine(CPoint, CPoint) override { ++m_nShapes; }
    void DoRectangle(int, int, int, int) override { ++m_nShapes; }
    void DoPolygon(const CPoint*, int) override { ++m_nShapes; }
    void DoPolyline(const CPoint*, int) override { ++m_nShapes; }
    void DoTextOut(int, int, const char*, int) override {}
    void DoClip(int, int, int, int) override {}
    void DoClipOff() override {}
};

constexpr std::size_t kSpare = std::size_t(16) << 20;

TEST(DrawingMemory, EveryChartOfALargeDocumentWithinABoundedMargin)
{
    if (!AddressSpaceCanBeLimited())
        GTEST_SKIP() << "the sanitizers reserve the address space a limit would cut";
    const struct {
        const char* name;
        int rows, cols;
    } shapes[] = {{"tall", 2000, 3000}, {"wide", 2, 3000000}};
    for (const auto& shape : shapes) {
        const auto doc = MakeTestDoc(shape.rows, shape.cols, [](int r, int c) { return double((r * 7 + c) % 97); });
        for (int chart = 0; chart <= 3; ++chart) {
            SCOPED_TRACE(std::string(shape.name) + " chart " + std::to_string(chart));
            const int status = RunWithMemoryLimit(kSpare, [&] {
                CPlotSettings s;
                InitialUpdate(s, *doc);
                s.m_nGraphType = chart;
                s.m_nModel = 3;
                CNullDC dc;
                DrawPage(dc, *doc, s, 800, 600);
                return dc.m_nShapes > 0 ? 0 : 1;
            });
            EXPECT_EQ(status, 0);
        }
    }
}

}  // namespace
