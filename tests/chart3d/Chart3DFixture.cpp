#include "Chart3DFixture.h"

#include "chart3d/Graph3D.h"
#include "support/TestDoc.h"

#include <utility>

CSorvDoc MakeDoc(int cols, int rows, const std::function<double(int, int)>& f)
{
    return std::move(*MakeTestDoc(rows, cols, [&](int r, int c) { return f(c, r); }));
}

CPlotSettings ExampleSettings()
{
    CPlotSettings s;
    s.m_nGraphType = 3;
    s.m_dVMin = 0.0;
    s.m_dVMax = 100.0;
    return s;
}

CPageLayout DrawOnPage(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, int width, int height)
{
    CPageLayout page;
    page.m_nPageWidth = width;
    page.m_nPageHeight = height;
    DrawGraph3D(dc, doc, s, page);
    return page;
}
