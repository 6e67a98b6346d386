#include "Chart3DFixture.h"

#include <cstddef>
#include <memory>
#include <string>

CSorvDoc MakeDoc(int cols, int rows, const std::function<double(int, int)>& f)
{
    CSorvDoc doc;
    doc.m_nCols = cols;
    doc.m_nRows = rows;
    doc.m_pData = std::make_unique<double[]>(std::size_t(cols) * std::size_t(rows));
    doc.m_pLabels = std::make_unique<std::string[]>(std::size_t(rows));
    for (int r = 0; r < rows; ++r) {
        doc.m_pLabels[r] = "row" + std::to_string(r);
        for (int c = 0; c < cols; ++c) {
            const double v = f(c, r);
            doc.m_pData[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = v;
            if ((r == 0 && c == 0) || v < doc.m_dMin)
                doc.m_dMin = v;
            if ((r == 0 && c == 0) || v > doc.m_dMax)
                doc.m_dMax = v;
        }
    }
    doc.m_nX1 = 0;
    doc.m_nY1 = 0;
    doc.m_nX2 = cols - 1;
    doc.m_nY2 = rows - 1;
    return doc;
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

std::vector<CRecordingDC::Op> OpsOf(const CRecordingDC& dc, CRecordingDC::OpKind kind)
{
    std::vector<CRecordingDC::Op> out;
    for (const CRecordingDC::Op& op : dc.Ops()) {
        if (op.kind == kind)
            out.push_back(op);
    }
    return out;
}
