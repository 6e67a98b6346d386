#include "Chart3DFixture.h"

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
    s.m_nPageWidth = 400;
    s.m_nPageHeight = 300;
    return s;
}
