#include "doc/SorvDoc.h"

#include "doc/ChunkParser.h"
#include "doc/ReadPass.h"
#include "doc/ReadProgress.h"
#include "doc/SystemMemory.h"
#include "doc/TextChunks.h"
#include "doc/TextSource.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>


namespace {

constexpr char kTooFewCells[] = "the data has three cells or fewer (at least four are needed)";

struct Shape {
    std::uint64_t rows = 0;   // lines
    std::uint64_t cols = 0;   // largest value count of a line
};

// rows x cols, or UINT64_MAX when the product does not fit.
std::uint64_t CellCount(const Shape& shape)
{
    if (shape.rows != 0 && shape.cols > UINT64_MAX / shape.rows)
        return UINT64_MAX;
    return shape.rows * shape.cols;
}

// Bytes of the matrix and the label array.
std::uint64_t MatrixBytes(const Shape& shape)
{
    return CellCount(shape) * sizeof(double) + shape.rows * sizeof(std::string);
}

std::string MatrixSize(const Shape& shape)
{
    return std::to_string(shape.rows) + " rows x " + std::to_string(shape.cols) + " columns";
}

std::uint64_t MemoryLimit(const ReadOptions& options)
{
    return options.availableMemory ? options.availableMemory : AvailableMemory();
}

bool CheckShape(const Shape& shape, std::uint64_t available, ReadFailure& error)
{
    const std::uint64_t cells = CellCount(shape);
    if (cells < 4) {
        error = {ReadError::TooFewCells, kTooFewCells};
        return false;
    }
    if (cells > std::uint64_t(INT_MAX)) {
        error = {ReadError::TooLarge, "the data is too large: " + MatrixSize(shape) + " (at most "
                                          + std::to_string(INT_MAX) + " cells)", 0, shape.rows, shape.cols};
        return false;
    }
    // Checked before allocating: the system would sooner swap than refuse.
    if (MatrixBytes(shape) > available) {
        error = {ReadError::TooLarge, "the data needs a matrix of " + MatrixSize(shape) + " ("
                                          + FormatBytes(MatrixBytes(shape)) + "), more than the "
                                          + FormatBytes(available) + " of memory available", 0, shape.rows, shape.cols};
        return false;
    }
    return true;
}

bool HasByteOrderMark(std::string_view text)
{
    return text.size() >= 3 && std::memcmp(text.data(), "\xEF\xBB\xBF", 3) == 0;
}

// The chunks that hold text: those up to the one whose NUL ends it.
void DropChunksAfterText(std::vector<TextChunk>& chunks)
{
    const auto last = std::find_if(chunks.begin(), chunks.end(), [](const TextChunk& c) { return c.textEnd != c.end; });
    if (last != chunks.end())
        chunks.erase(last + 1, chunks.end());
}

} // namespace

std::string DocumentTitle(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool CSorvDoc::ReadFile(const std::string& path, std::string& error, const ReadOptions& options)
{
    Clear();
    SetTitle(DocumentTitle(path));
    CReadProgress ownProgress;
    CReadProgress& progress = options.progress ? *options.progress : ownProgress;
    CTextSource source;
    const bool ok = source.Open(path, options.progress, MemoryLimit(options), m_failure)
                 && ReadBytes(source.Text(), options, progress);
    error = m_failure.text;
    return ok;
}

bool CSorvDoc::ReadText(std::string_view text, std::string& error, const ReadOptions& options)
{
    Clear();
    CReadProgress ownProgress;
    const bool ok = ReadBytes(text, options, options.progress ? *options.progress : ownProgress);
    error = m_failure.text;
    return ok;
}

void CSorvDoc::Clear()
{
    m_pData.reset();
    m_pLabels.reset();
    m_nCols = m_nRows = 0;
    m_nX1 = m_nY1 = 0;
    m_nX2 = m_nY2 = -1;
    m_dMin = m_dMax = 0.0;
    m_bUtf8 = false;
    m_nMissing = 0;
    m_columnLabels = {};
    m_x = {};
    m_bColumnWise = false;
    m_failure = {};
}

bool CSorvDoc::ReadBytes(std::string_view bytes, const ReadOptions& options, CReadProgress& progress)
{
    progress.SetBytesIn(bytes.size());
    if (bytes.empty()) {
        m_failure = {ReadError::Empty, "the file is empty"};
        return false;
    }
    progress.SetTotalWork(bytes.size() * (1 + kParseWork));
    try {
        if (ReadChunks(bytes, options, progress)) {
            progress.Complete();
            return true;
        }
    } catch (const std::bad_alloc&) {
        m_failure = {ReadError::NoMemory, "not enough memory to read the data"};
    }
    ReadFailure failure = progress.IsCancelled() ? CancelledRead() : std::move(m_failure);
    Clear();
    m_failure = std::move(failure);
    return false;
}

// The counting pass over the chunks and the parsing pass over the pieces of
// whole lines, on every core.
bool CSorvDoc::ReadChunks(std::string_view bytes, const ReadOptions& options, CReadProgress& progress)
{
    const char* end = bytes.data() + bytes.size();
    CReadPass pass(bytes.data(), end, options.threads, progress);
    std::vector<TextChunk> chunks;
    const bool split = pass.Guard([&] {
        SplitText(bytes.data() + (HasByteOrderMark(bytes) ? 3 : 0), end, options.chunkBytes, chunks);
    });
    if (!split || !pass.Run(chunks.size(), [&](std::size_t i) { CountChunk(chunks[i], progress); })) {
        m_failure = pass.Failure();
        return false;
    }
    const bool utf8 = std::all_of(chunks.begin(), chunks.end(), [](const TextChunk& c) { return c.utf8; });
    DropChunksAfterText(chunks);
    const TextLines lines = JoinCounts(chunks);
    const Shape shape{lines.rows, lines.widest};
    if (!CheckShape(shape, MemoryLimit(options), m_failure) || !Allocate(shape.rows, shape.cols, options.threads))
        return false;

    std::vector<ValueRange> ranges(lines.pieces.size());
    const auto parse = [&](std::size_t i) {
        const LinePiece& piece = lines.pieces[i];
        const ChunkRows rows{m_pData.get() + piece.firstRow * shape.cols, m_pLabels.get() + piece.firstRow,
                             piece.rows, std::size_t(shape.cols)};
        ParseChunk(piece.begin, piece.end, rows, options.convert, progress, ranges[i]);
    };
    if (!pass.Run(lines.pieces.size(), parse)) {
        m_failure = pass.Failure();
        return false;
    }

    ValueRange range;
    for (const ValueRange& r : ranges)
        range.Add(r);
    TakeRange(range);
    m_nCols = int(shape.cols);
    m_nRows = int(shape.rows);
    m_nX1 = m_nY1 = 0;
    m_nX2 = m_nCols - 1;
    m_nY2 = m_nRows - 1;
    m_bUtf8 = utf8;
    return true;
}

// The range of the finite values; 0 to 0 when there is none.
void CSorvDoc::TakeRange(const ValueRange& range)
{
    const bool anyFinite = range.min <= range.max;
    m_dMin = anyFinite ? range.min : 0.0;
    m_dMax = anyFinite ? range.max : 0.0;
}

// The matrix is neither cleared nor advised into huge pages: the parsing
// threads write every cell, each faulting in its own rows' small pages. The
// labels are made on the reading threads too.
bool CSorvDoc::Allocate(std::uint64_t rows, std::uint64_t cols, unsigned threads)
{
    try {
        m_pData = std::make_unique_for_overwrite<double[]>(rows * cols);
        m_pLabels = MakeLabels(rows, threads);
        return true;
    } catch (const std::bad_alloc&) {
        m_failure = {ReadError::NoMemory, "not enough memory for the data (" + MatrixSize({rows, cols}) + ", "
                                              + FormatBytes(MatrixBytes({rows, cols})) + ")", 0, rows, cols};
        return false;
    }
}
