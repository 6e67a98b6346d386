#pragma once
// Builds documents for tests directly from values, without a file.

#include "doc/SorvDoc.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// A rows x cols document whose cell (r, c) is value(r, c); labels "r0", "r1", ...
template <class F>
std::unique_ptr<CSorvDoc> MakeTestDoc(int rows, int cols, F value)
{
    auto doc = std::make_unique<CSorvDoc>();
    doc->m_nRows = rows;
    doc->m_nCols = cols;
    doc->m_pData = std::make_unique<double[]>(std::size_t(rows) * std::size_t(cols));
    doc->m_pLabels = std::make_unique<std::string[]>(std::size_t(rows));
    for (int r = 0; r < rows; ++r) {
        doc->m_pLabels[r] = "r" + std::to_string(r);
        for (int c = 0; c < cols; ++c)
            doc->m_pData[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = value(r, c);
    }
    const double* first = doc->m_pData.get();
    const double* last = first + std::size_t(rows) * std::size_t(cols);
    doc->m_dMin = *std::min_element(first, last);
    doc->m_dMax = *std::max_element(first, last);
    doc->m_nX1 = 0;
    doc->m_nY1 = 0;
    doc->m_nX2 = cols - 1;
    doc->m_nY2 = rows - 1;
    return doc;
}
