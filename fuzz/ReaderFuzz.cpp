// The reader: any bytes read as a data file, then every query a chart or a
// command makes of the document: values, labels, range and region.

#include "doc/SorvDoc.h"
#include "read/RowReader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Every cell and label is read (the sanitizers catch a read out of bounds) and
// the range holds every finite value.
void CheckDocument(const CSorvDoc& doc)
{
    Check(doc->m_nRows > 0 && doc->m_nCols > 0);
    Check(doc.RegionInMatrix());
    Check(doc.m_nX1 == 0 && doc.m_nY1 == 0 && doc.m_nX2 == doc->m_nCols - 1 && doc.m_nY2 == doc->m_nRows - 1);
    Check(!(doc->m_dMin > doc->m_dMax));
    std::size_t labelBytes = 0;
    for (int r = 0; r < doc->m_nRows; ++r) {
        labelBytes += doc->m_pLabels[r].size();
        for (int c = 0; c < doc->m_nCols; ++c) {
            const double v = doc->Value(r, c);
            if (std::isfinite(v))
                Check(v >= doc->m_dMin && v <= doc->m_dMax);
        }
    }
    Check(labelBytes < (std::size_t(1) << 40));
}

// The region requests of the Region command and the mouse: the result is the
// whole matrix, the old region, or a rectangle inside both.
void CheckRegion(CSorvDoc& doc, int x1, int y1, int x2, int y2)
{
    const int before[4] = {doc.m_nX1, doc.m_nY1, doc.m_nX2, doc.m_nY2};
    const bool changed = doc.SetRegion(x1, y1, x2, y2);
    Check(doc.RegionInMatrix());
    if (!changed) {
        Check(doc.m_nX1 == before[0] && doc.m_nY1 == before[1] && doc.m_nX2 == before[2] && doc.m_nY2 == before[3]);
        return;
    }
    if (x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0)
        return;
    Check(doc.m_nX1 >= before[0] && doc.m_nY1 >= before[1] && doc.m_nX2 <= before[2] && doc.m_nY2 <= before[3]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    CSorvDoc doc;
    ReadFailure error;
    if (!ReadText(doc, std::string_view(reinterpret_cast<const char*>(data), size), error)) {
        Check(doc->IsEmpty() && !error.text.empty());
        Check(!doc.SetRegion(0, 0, 0, 0));
        return 0;
    }
    CheckDocument(doc);
    const int w = doc->m_nCols;
    const int h = doc->m_nRows;
    const int requests[][4] = {
        {1, 1, w / 2, h / 2}, {0, 0, 0, 0},        {w - 1, h - 1, w + 5, h + 5}, {-3, -3, 0, 0},
        {w, 0, w + 1, h},     {2, 3, 1, 1},        {0, 0, 2147483647, 2147483647}, {-2147483647 - 1, 0, 0, 1},
        {0, 0, 0, 0},         {w / 3, h / 3, w / 3, h / 3},
    };
    for (const auto& r : requests)
        CheckRegion(doc, r[0], r[1], r[2], r[3]);
    return 0;
}
