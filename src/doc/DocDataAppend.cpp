#include "doc/DocDataAppend.h"

#include "doc/DocData.h"
#include "doc/GrownRoom.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace {

bool FitsInt(std::size_t rows, std::size_t cols)
{
    return rows <= std::size_t(INT_MAX) && cols <= std::size_t(INT_MAX) && (rows == 0 || cols <= std::size_t(INT_MAX) / rows);
}

// Copies count cells to out, taking them into range and, for an import,
// counting the missing.
void CopyCells(const double* in, std::size_t count, double* out, ValueRange& range, bool imported, int& missing)
{
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = in[i];
        range.Add(in[i]);
        missing += imported && std::isnan(in[i]) ? 1 : 0;
    }
}

// Fills count cells with pad, taking them into range and counting the missing.
void PadCells(double* out, std::size_t count, double pad, ValueRange& range, int& missing)
{
    std::fill(out, out + count, pad);
    if (count == 0)
        return;
    range.Add(pad);
    if (std::isnan(pad))
        missing += int(count);
}

// New storage for rows x cols with room as given, old's first rows rows
// copied over (their first copyCols cells; the cells after them up to cols
// are the caller's).
void NewStorage(CDocData& out, const CDocData& old, int rows, std::size_t stride, std::size_t rowRoom, int copyCols)
{
    out.m_pData = std::make_unique_for_overwrite<double[]>(stride * rowRoom);
    out.m_pLabels = std::make_shared<std::string[]>(rowRoom);
    out.m_nStride = int(stride);
    out.m_nRowRoom = int(rowRoom);
    for (int r = 0; r < rows; ++r) {
        std::copy(old.Row(r), old.Row(r) + copyCols, out.m_pData.get() + std::size_t(r) * stride);
        out.m_pLabels[std::size_t(r)] = old.m_pLabels[std::size_t(r)];
    }
}

double* MutableRow(const CDocData& data, int row)
{
    return data.m_pData.get() + std::size_t(row) * std::size_t(data.m_nStride);
}

}  // namespace

std::shared_ptr<CDocData> WithRowsAppended(const CDocData& old, const KeptData& kept, const CDocData& piece,
                                           double pad, ValueRange& range)
{
    const int cols = std::max(old.m_nCols, piece.m_nCols);
    const std::size_t rows = std::size_t(kept.count) + std::size_t(piece.m_nRows);
    if (!FitsInt(rows, std::size_t(cols)))
        return nullptr;
    auto out = std::make_shared<CDocData>(old);
    const bool inPlace = kept.count == old.m_nRows && rows <= std::size_t(old.m_nRowRoom) && cols <= old.m_nStride;
    if (!inPlace)
        NewStorage(*out, old, kept.count, GrownRoom(std::size_t(cols)), GrownRoom(rows), old.m_nCols);
    range = kept.range;
    int missing = kept.missing;
    for (int r = 0; r < kept.count; ++r)
        PadCells(MutableRow(*out, r) + old.m_nCols, std::size_t(cols - old.m_nCols), pad, range, missing);
    for (int r = 0; r < piece.m_nRows; ++r) {
        double* row = MutableRow(*out, kept.count + r);
        CopyCells(piece.Row(r), std::size_t(piece.m_nCols), row, range, std::isnan(pad), missing);
        PadCells(row + piece.m_nCols, std::size_t(cols - piece.m_nCols), pad, range, missing);
        out->m_pLabels[std::size_t(kept.count + r)] = piece.m_pLabels[std::size_t(r)];
    }
    out->m_nRows = int(rows);
    out->m_nCols = cols;
    out->m_nMissing = missing;
    out->TakeRange(range);
    return out;
}

std::shared_ptr<CDocData> WithColumnsAppended(const CDocData& old, const KeptData& kept, const CDocData& piece,
                                              ValueRange& range)
{
    const std::size_t cols = std::size_t(kept.count) + std::size_t(piece.m_nCols);
    if (piece.m_nRows > old.m_nRows || !FitsInt(std::size_t(old.m_nRows), cols))
        return nullptr;
    auto out = std::make_shared<CDocData>(old);
    const bool inPlace = kept.count == old.m_nCols && cols <= std::size_t(old.m_nStride);
    if (!inPlace)
        NewStorage(*out, old, old.m_nRows, GrownRoom(cols), std::size_t(old.m_nRows), kept.count);
    range = kept.range;
    int missing = kept.missing;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int r = 0; r < old.m_nRows; ++r) {
        double* row = MutableRow(*out, r) + kept.count;
        if (r < piece.m_nRows)
            CopyCells(piece.Row(r), std::size_t(piece.m_nCols), row, range, true, missing);
        else
            PadCells(row, std::size_t(piece.m_nCols), nan, range, missing);
    }
    if (!old.m_x.IsEmpty())
        out->m_x = old.m_x.Appended(std::size_t(kept.count), piece.m_x.Data(), piece.m_x.Count());
    out->m_nCols = int(cols);
    out->m_nMissing = missing;
    out->TakeRange(range);
    return out;
}

KeptData KeptPart(const CDocData& data, int count, bool byRows, bool countMissing)
{
    KeptData kept;
    kept.count = count;
    const int rows = byRows ? count : data.m_nRows;
    const int cols = byRows ? data.m_nCols : count;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const double v = data.Value(r, c);
            kept.range.Add(v);
            kept.missing += countMissing && std::isnan(v) ? 1 : 0;
        }
    }
    return kept;
}
