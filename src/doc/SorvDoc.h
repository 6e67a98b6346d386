#pragma once
// A data document: the matrix of numbers read from one data file, one label
// per row, the value range and the region that the charts show.

#include "doc/ColumnLabels.h"
#include "doc/LabelArray.h"
#include "doc/ReadFailure.h"
#include "doc/ReadOptions.h"
#include "doc/XValues.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CReadProgress;

struct ValueRange;

// The title of a document read from path: the file's name.
std::string DocumentTitle(const std::string& path);

class CSorvDoc {
public:
    int m_nCols = 0;
    int m_nRows = 0;
    // Region, inclusive column and row indices. An empty document has an
    // inverted region (x2 < x1) that no chart walks.
    int m_nX1 = 0;
    int m_nY1 = 0;
    int m_nX2 = -1;
    int m_nY2 = -1;
    std::unique_ptr<double[]> m_pData;          // m_nRows x m_nCols, row-major
    LabelArray m_pLabels;                       // m_nRows labels, raw bytes
    double m_dMin = 0.0;
    double m_dMax = 0.0;
    // TRUE when the whole file is valid UTF-8; labels and title are then UTF-8,
    // otherwise Shift-JIS.
    bool m_bUtf8 = false;

    // Set by the importer: the cells without a value (NaN: empty, not a number,
    // or padding a short line), and the columns' labels when the file's first
    // column gave them (empty otherwise).
    int m_nMissing = 0;
    CColumnLabels m_columnLabels;
    // The x value of each column, when the file gave them (empty otherwise):
    // the charts then place the points at their x.
    CXValues m_x;
    // Read by the import's column path: each column of the file a series.
    bool m_bColumnWise = false;
    // Takes a finished matrix of rows x cols (row-major), one label per row
    // and the range of its finite values, as a successful read leaves them:
    // whole-matrix region.
    void Adopt(int rows, int cols, std::unique_ptr<double[]> data, std::unique_ptr<std::string[]> labels,
               const ValueRange& range, bool utf8);

    // Takes the data of a new read of the same file (matrix, labels, range and
    // what the import found); keeps the title and the views' hooks. The region
    // follows the data: the whole matrix stays whole, columns that ended at
    // the last column move with it (their number kept), rows that ended at
    // the last row take the new rows too; any other region stays where it
    // still lies inside the new matrix, else the whole matrix is shown.
    void TakeData(CSorvDoc&& fresh);

    // Called before the region changes, so that no view's drawing in flight
    // reads it meanwhile, and after it changed, so that every view redraws.
    std::function<void()> m_fnStopAllViews;
    std::function<void()> m_fnUpdateAllViews;

    // Reads a data file ("-": standard input; pipes and FIFOs as streams) and
    // takes its base name as the title. On failure, cancel included, the
    // document stays empty and error says why.
    bool ReadFile(const std::string& path, std::string& error, const ReadOptions& options = {});
    // Reads a text already in memory (a whole file's bytes), with the rules of ReadFile.
    bool ReadText(std::string_view text, std::string& error, const ReadOptions& options = {});

    // Why the last read failed (code None after a successful read).
    const ReadFailure& GetReadFailure() const { return m_failure; }

    bool IsEmpty() const { return m_pData == nullptr; }
    // TRUE when there is a matrix and the region is a rectangle of at least one
    // cell inside it: only then may a chart walk the region.
    bool RegionInMatrix() const
    {
        return !IsEmpty() && 0 <= m_nX1 && m_nX1 <= m_nX2 && m_nX2 < m_nCols && 0 <= m_nY1 && m_nY1 <= m_nY2 &&
               m_nY2 < m_nRows;
    }
    double Value(int row, int col) const { return m_pData[std::size_t(row) * std::size_t(m_nCols) + std::size_t(col)]; }

    // The document's title: the file's name.
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(std::string title) { m_strTitle = std::move(title); }

    // Takes row (from 0) out of the matrix as the x values of the columns,
    // named by its label; the range is taken again and the region becomes the
    // whole matrix, every view stopped first and redrawn after. Refused
    // (false, nothing changed) for a row that is not there, the only row, or
    // one without a finite value.
    bool TakeRowAsX(int row);

    // Four zeros restore the whole matrix; anything else narrows the region to
    // its intersection with the given one. A result that would be inverted or
    // empty, and any change of an empty document, is refused: the region stays
    // and false is returned. Every view is redrawn after a change.
    bool SetRegion(int x1, int y1, int x2, int y2);

private:
    std::string m_strTitle;
    ReadFailure m_failure;

    void Clear();
    bool ReadBytes(std::string_view bytes, const ReadOptions& options, CReadProgress& progress);
    bool ReadChunks(std::string_view bytes, const ReadOptions& options, CReadProgress& progress);
    bool Allocate(std::uint64_t rows, std::uint64_t cols, unsigned threads);
    void TakeRange(const ValueRange& range);
};
