#include "read/RowReader.h"

#include "doc/LabelArray.h"
#include "doc/SorvDoc.h"
#include "read/ChunkParser.h"
#include "read/ReadPass.h"
#include "read/ReadProgress.h"
#include "read/SystemMemory.h"
#include "read/TextChunks.h"
#include "read/TextSource.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
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

bool CheckShape(const Shape& shape, const ReadOptions& options, ReadFailure& error)
{
    const std::uint64_t cells = CellCount(shape);
    const std::uint64_t available = MemoryLimit(options);
    if (cells < (options.appended ? 1 : 4)) {
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

// One read of the row format into new data.
class CRowRead {
public:
    CRowRead(const ReadOptions& options, CReadProgress& progress) : m_options(options), m_progress(progress) {}

    // The data of bytes; null on failure, which Failure says.
    std::shared_ptr<CDocData> Read(std::string_view bytes);
    const ReadFailure& Failure() const { return m_failure; }

private:
    bool ReadChunks(std::string_view bytes, CDocData& data);
    bool Allocate(CDocData& data, std::uint64_t rows, std::uint64_t cols);

    const ReadOptions& m_options;
    CReadProgress& m_progress;
    ReadFailure m_failure;
};

std::shared_ptr<CDocData> CRowRead::Read(std::string_view bytes)
{
    m_progress.SetBytesIn(bytes.size());
    if (bytes.empty()) {
        m_failure = {ReadError::Empty, "the file is empty"};
        return nullptr;
    }
    m_progress.SetTotalWork(bytes.size() * (1 + kParseWork));
    try {
        auto data = std::make_shared<CDocData>();
        if (ReadChunks(bytes, *data)) {
            m_progress.Complete();
            return data;
        }
    } catch (const std::bad_alloc&) {
        m_failure = {ReadError::NoMemory, "not enough memory to read the data"};
    }
    if (m_progress.IsCancelled())
        m_failure = CancelledRead();
    return nullptr;
}

// The counting pass over the chunks and the parsing pass over the pieces of
// whole lines, on every core.
bool CRowRead::ReadChunks(std::string_view bytes, CDocData& data)
{
    const char* end = bytes.data() + bytes.size();
    CReadPass pass(bytes.data(), end, m_options.threads, m_progress);
    std::vector<TextChunk> chunks;
    const bool split = pass.Guard([&] {
        const bool mark = !m_options.appended && HasByteOrderMark(bytes);
        SplitText(bytes.data() + (mark ? 3 : 0), end, m_options.chunkBytes, chunks);
    });
    if (!split || !pass.Run(chunks.size(), [&](std::size_t i) { CountChunk(chunks[i], m_progress); })) {
        m_failure = pass.Failure();
        return false;
    }
    const bool utf8 = std::all_of(chunks.begin(), chunks.end(), [](const TextChunk& c) { return c.utf8; });
    DropChunksAfterText(chunks);
    const TextLines lines = JoinCounts(chunks);
    const Shape shape{lines.rows, lines.widest};
    if (!CheckShape(shape, m_options, m_failure) || !Allocate(data, shape.rows, shape.cols))
        return false;

    std::vector<ValueRange> ranges(lines.pieces.size());
    const auto parse = [&](std::size_t i) {
        const LinePiece& piece = lines.pieces[i];
        const ChunkRows rows{data.m_pData.get() + piece.firstRow * shape.cols, data.m_pLabels.get() + piece.firstRow,
                             piece.rows, std::size_t(shape.cols)};
        ParseChunk(piece.begin, piece.end, rows, m_options.convert, m_progress, ranges[i]);
    };
    if (!pass.Run(lines.pieces.size(), parse)) {
        m_failure = pass.Failure();
        return false;
    }

    ValueRange range;
    for (const ValueRange& r : ranges)
        range.Add(r);
    data.TakeRange(range);
    data.SetShape(int(shape.rows), int(shape.cols));
    data.m_bUtf8 = utf8;
    return true;
}

// The matrix is neither cleared nor advised into huge pages: the parsing
// threads write every cell, each faulting in its own rows' small pages. The
// labels are made on the reading threads too.
bool CRowRead::Allocate(CDocData& data, std::uint64_t rows, std::uint64_t cols)
{
    try {
        data.m_pData = std::make_unique_for_overwrite<double[]>(rows * cols);
        data.m_pLabels = MakeLabels(rows, m_options.threads);
        return true;
    } catch (const std::bad_alloc&) {
        m_failure = {ReadError::NoMemory, "not enough memory for the data (" + MatrixSize({rows, cols}) + ", "
                                              + FormatBytes(MatrixBytes({rows, cols})) + ")", 0, rows, cols};
        return false;
    }
}

// Publishes what read found in bytes, or empty data.
bool ReadInto(CSorvDoc& doc, std::string_view bytes, ReadFailure& failure, const ReadOptions& options)
{
    CReadProgress ownProgress;
    CRowRead read(options, options.progress ? *options.progress : ownProgress);
    std::shared_ptr<CDocData> data = read.Read(bytes);
    failure = data ? ReadFailure{} : read.Failure();
    doc.Adopt(std::move(data));
    return failure.code == ReadError::None;
}

}  // namespace

bool ReadFile(CSorvDoc& doc, const std::string& path, ReadFailure& failure, const ReadOptions& options)
{
    doc.SetTitle(DocumentTitle(path));
    CTextSource source;
    if (!source.Open(path, options.progress, MemoryLimit(options), failure)) {
        doc.Adopt(nullptr);
        return false;
    }
    return ReadInto(doc, source.Text(), failure, options);
}

bool ReadText(CSorvDoc& doc, std::string_view text, ReadFailure& failure, const ReadOptions& options)
{
    return ReadInto(doc, text, failure, options);
}
