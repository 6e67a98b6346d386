#pragma once
// Builds documents for tests directly from values, without a file.

#include "doc/SorvDoc.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// Cell i of data's matrix counted row by row, whatever room its rows have.
inline double CellAt(const CDocData& data, std::size_t i)
{
    return data.Value(int(i / std::size_t(data.m_nCols)), int(i % std::size_t(data.m_nCols)));
}

// rows x cols data whose cell (r, c) is value(r, c); labels "r0", "r1", ...
template <class F>
std::shared_ptr<CDocData> MakeTestData(int rows, int cols, F value)
{
    auto data = std::make_shared<CDocData>();
    data->SetShape(rows, cols);
    data->m_pData = std::make_unique<double[]>(std::size_t(rows) * std::size_t(cols));
    data->m_pLabels = std::make_unique<std::string[]>(std::size_t(rows));
    for (int r = 0; r < rows; ++r) {
        data->m_pLabels[r] = "r" + std::to_string(r);
        for (int c = 0; c < cols; ++c)
            data->m_pData[std::size_t(r) * std::size_t(cols) + std::size_t(c)] = value(r, c);
    }
    const double* first = data->m_pData.get();
    const double* last = first + std::size_t(rows) * std::size_t(cols);
    data->m_dMin = *std::min_element(first, last);
    data->m_dMax = *std::max_element(first, last);
    return data;
}

// A document of MakeTestData's data, whole-matrix region.
template <class F>
std::unique_ptr<CSorvDoc> MakeTestDoc(int rows, int cols, F value)
{
    auto doc = std::make_unique<CSorvDoc>();
    doc->Adopt(MakeTestData(rows, cols, value));
    return doc;
}

// The data of a test's document, to change in place: only while no drawing
// shares it.
inline CDocData& EditData(const CDocSnapshot& doc)
{
    return const_cast<CDocData&>(doc.Data());
}
