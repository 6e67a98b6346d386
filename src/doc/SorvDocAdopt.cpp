#include "doc/SorvDoc.h"

#include "doc/ChunkParser.h"

#include <utility>

void CSorvDoc::Adopt(int rows, int cols, std::unique_ptr<double[]> data, std::unique_ptr<std::string[]> labels,
                     const ValueRange& range, bool utf8)
{
    Clear();
    m_nRows = rows;
    m_nCols = cols;
    m_pData = std::move(data);
    m_pLabels = std::move(labels);
    m_nX1 = m_nY1 = 0;
    m_nX2 = cols - 1;
    m_nY2 = rows - 1;
    m_bUtf8 = utf8;
    m_nMissing = 0;
    m_columnLabels = {};
    TakeRange(range);
}
