#include "doc/Importer.h"

#include "doc/FieldScanner.h"
#include "doc/HugePages.h"
#include "doc/ImportBody.h"
#include "doc/ImportDetect.h"
#include "doc/MapGuard.h"
#include "doc/ReadProgress.h"
#include "doc/SorvDoc.h"
#include "doc/SystemMemory.h"
#include "doc/TextSource.h"
#include "doc/Utf8.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>
#include <new>
#include <system_error>
#include <thread>

namespace {

// Pieces of the text converted at once: enough that a thread held up by
// other work leaves its share to the others, few enough to cost nothing.
constexpr std::size_t kBytesPerPiece = std::size_t(1) << 20;
constexpr std::size_t kPiecesPerThread = 16;
constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

// Runs work(k) for every k in [0, n) on up to threads threads (the caller's
// among them), each taking the next piece not yet taken; passes on the first
// exception one of them threw.
template <class Work>
void RunOnThreads(std::size_t n, std::size_t threads, const Work& work)
{
    std::vector<std::exception_ptr> errors(n);
    std::atomic<std::size_t> next = 0;
    const auto worker = [&] {
        for (std::size_t k = next++; k < n; k = next++) {
            try {
                work(k);
            } catch (...) {
                errors[k] = std::current_exception();
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t t = 1; t < std::min(threads, n); ++t) {
            try {
                helpers.emplace_back(worker);
            } catch (const std::system_error&) {
                break;   // no more threads to be had: fewer do the work
            }
        }
        worker();
    }
    for (const std::exception_ptr& e : errors)
        if (e)
            std::rethrow_exception(e);
}

// Reports the bytes a piece has walked every kProgressStep bytes; false once
// the read is cancelled.
class PieceProgress {
public:
    PieceProgress(CReadProgress& progress, const char* begin) : m_progress(progress), m_reported(begin) {}
    ~PieceProgress() { m_progress.Advance(std::uint64_t(m_last - m_reported)); }

    bool Walked(const char* p)
    {
        m_last = p;
        if (std::size_t(p - m_reported) < kProgressStep)
            return true;
        const bool goOn = m_progress.Advance(std::uint64_t(p - m_reported));
        m_reported = p;
        return goOn;
    }

private:
    CReadProgress& m_progress;
    const char* m_reported;
    const char* m_last = m_reported;
};

// What the counting pass finds in one piece of the text.
struct Shape {
    std::uint64_t records = 0;
    std::size_t widest = 0;       // most cells in one record
    std::size_t labelBytes = 0;   // raw bytes of the records' first cells
};

Shape CountPiece(const CFieldScanner& scanner, const char* begin, const char* end, CReadProgress& progress)
{
    Shape shape;
    PieceProgress ticks(progress, begin);
    for (const char* p = scanner.NextRecord(begin); p < end && ticks.Walked(p); p = scanner.NextRecord(p)) {
        std::size_t cells = 0, firstBytes = 0;
        p = scanner.Count(p, cells, firstBytes);
        ++shape.records;
        shape.widest = std::max(shape.widest, cells);
        shape.labelBytes += firstBytes;
    }
    return shape;
}

// What the conversion of one piece finds.
struct Tally {
    std::uint64_t missing = 0;
    std::uint64_t ragged = 0;               // records with fewer cells than the widest
    const char* firstRagged = nullptr;
    const char* unterminated = nullptr;     // the cell whose quote is never closed
    std::size_t labelEnd = 0;               // where its column labels end
};

// Where the cells go: value j of record r at data[r * RecordStride() + j * ValueStride()].
struct Layout {
    bool columns = false;
    std::size_t offset = 0;       // leading cells of a record that are no values
    std::size_t width = 0;        // values per record
    std::uint64_t records = 0;

    std::size_t RecordStride() const { return columns ? 1 : width; }
    std::size_t ValueStride() const { return columns ? std::size_t(records) : 1; }
    std::uint64_t Rows() const { return columns ? width : records; }
    std::uint64_t Cols() const { return columns ? records : width; }
};

// The conversion of the records into the matrix and the labels, one piece of
// the text at a time; pieces write to disjoint cells and labels.
struct Conversion {
    const CFieldScanner& scanner;
    Layout layout;
    std::size_t widest = 0;
    bool decimalComma = false;
    bool takeLabels = false;            // the first cells are labels
    double* data = nullptr;
    std::string* rowLabels = nullptr;   // one per record when the records are the rows
    char* labelText = nullptr;          // else the column labels end to end
    std::size_t* labelEnds = nullptr;

    // Converts the records of [begin, end), which the counting pass found to
    // be shape.records from record on, with shape.labelBytes of first cells
    // from labelAt on. It never writes past them.
    Tally Piece(const char* begin, const char* end, const Shape& shape, std::uint64_t record,
                std::size_t labelAt, CReadProgress& progress) const
    {
        Tally tally;
        std::string scratch;
        PieceProgress ticks(progress, begin);
        const std::uint64_t last = record + shape.records;
        const std::size_t labelLimit = labelAt + shape.labelBytes;
        for (const char* p = scanner.NextRecord(begin); p < end && record < last && ticks.Walked(p); ++record) {
            std::size_t cells = 0;
            const char* next = scanner.Cells(p, decimalComma, [&](const Field& f, bool number, double v) {
                if (f.unterminated)
                    tally.unterminated = f.begin;
                if (cells++ < layout.offset) {
                    TakeLabel(f, record, labelAt, labelLimit, scratch);
                    return;
                }
                const std::size_t j = cells - 1 - layout.offset;
                if (j >= layout.width)
                    return;   // never: the counting pass saw every cell
                if (!number)
                    v = kMissing;
                tally.missing += v != v;
                Cell(record, j) = v;
            });
            for (std::size_t j = std::max(cells, layout.offset) - layout.offset; j < layout.width; ++j)
                Cell(record, j) = kMissing;
            tally.missing += layout.width - std::min(layout.width, std::max(cells, layout.offset) - layout.offset);
            if (cells < widest && tally.ragged++ == 0)
                tally.firstRagged = p;
            p = scanner.NextRecord(next);
        }
        tally.labelEnd = labelAt;
        return tally;
    }

    double& Cell(std::uint64_t record, std::size_t j) const
    {
        return data[record * layout.RecordStride() + j * layout.ValueStride()];
    }

    void TakeLabel(const Field& f, std::uint64_t record, std::size_t& labelAt, std::size_t labelLimit,
                   std::string& scratch) const
    {
        if (!takeLabels)
            return;
        const std::string_view text = scanner.Text(f, scratch);
        if (rowLabels) {
            rowLabels[record].assign(text);
            return;
        }
        const std::size_t n = std::min(text.size(), labelLimit - labelAt);   // never cut: the raw cell is longer
        std::memcpy(labelText + labelAt, text.data(), n);
        labelAt += n;
        labelEnds[record] = labelAt;
    }
};

// Pieces write their column labels from where their raw first cells would
// begin; unquoting and trimming leave gaps that this closes.
CColumnLabels PackColumnLabels(std::string text, std::vector<std::size_t> ends, const std::vector<Shape>& shapes,
                               const std::vector<Tally>& tallies)
{
    std::size_t at = 0, base = 0;
    std::uint64_t record = 0;
    for (std::size_t k = 0; k < shapes.size(); ++k) {
        const std::size_t used = tallies[k].labelEnd - base;
        std::memmove(text.data() + at, text.data() + base, used);
        for (std::uint64_t r = record; r < record + shapes[k].records; ++r)
            ends[r] -= base - at;
        at += used;
        base += shapes[k].labelBytes;
        record += shapes[k].records;
    }
    text.resize(at);
    return CColumnLabels(std::move(text), std::move(ends));
}

std::string Lines(std::uint64_t n)
{
    return n == 1 ? "1 line has" : std::to_string(n) + " lines have";
}

// Names for n series or columns: the header's after the cells that are no
// values, then empty ones.
std::unique_ptr<std::string[]> NameLabels(const std::vector<std::string>& names, std::size_t offset, std::size_t n)
{
    auto labels = std::make_unique<std::string[]>(n);
    for (std::size_t i = 0; i < n && offset + i < names.size(); ++i)
        labels[i] = names[offset + i];
    return labels;
}

CColumnLabels NameColumns(const std::vector<std::string>& names, std::size_t offset, std::size_t n)
{
    std::string text;
    std::vector<std::size_t> ends;
    for (std::size_t i = 0; i < n; ++i) {
        if (offset + i < names.size())
            text += names[offset + i];
        ends.push_back(text.size());
    }
    return CColumnLabels(std::move(text), std::move(ends));
}

} // namespace

// The whole of one import: the header, the pieces of the text, the shape of
// the matrix and what the conversion found.
struct CImporter::Plan {
    explicit Plan(const CFieldScanner& s) : scanner(s) {}

    const CFieldScanner& scanner;
    std::vector<std::string> names;   // the header's cells
    const char* headerLine = nullptr;
    std::vector<const char*> cuts;
    std::vector<Shape> shapes;
    Layout layout;
    std::size_t widest = 0;
    std::size_t labelBytes = 0;
    std::vector<Tally> tallies;
    std::uint64_t missing = 0;
    std::unique_ptr<double[]> data;
    std::unique_ptr<std::string[]> labels;
    std::string labelText;              // column labels from the first cells
    std::vector<std::size_t> labelEnds;
};

CImporter::CImporter(const ImportOptions& options, unsigned pieces, unsigned threads)
    : m_given(options), m_options(options), m_pieces(pieces),
      m_threads(threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency()))
{
}

bool CImporter::Fail(ReadError code, std::string text, std::uint64_t rows, std::uint64_t cols)
{
    m_failure = {code, std::move(text), 0, rows, cols};
    return false;
}

bool CImporter::ImportFile(const std::string& path, CSorvDoc& doc, const ReadOptions& options)
{
    m_failure = {};
    m_warnings.clear();
    m_nMemoryLimit = options.availableMemory ? options.availableMemory : AvailableMemory();
    CTextSource source;
    if (!source.Open(path, options.progress, m_nMemoryLimit, m_failure) || !Import(source.Text(), doc, options))
        return false;
    doc.SetTitle(DocumentTitle(path));
    return true;
}

bool CImporter::Import(std::string_view text, CSorvDoc& doc, const ReadOptions& options)
{
    m_options = m_given;
    m_failure = {};
    m_warnings.clear();
    m_nMemoryLimit = options.availableMemory ? options.availableMemory : AvailableMemory();
    m_text = text;
    CReadProgress ownProgress;
    m_pProgress = options.progress ? options.progress : &ownProgress;
    m_pProgress->SetBytesIn(text.size());
    m_pProgress->SetTotalWork(2 * std::uint64_t(text.size()));
    bool ok = false;
    // Detection and the header look at the first lines, which may vanish too.
    if (!RunGuarded(text.data(), text.data() + text.size(), [&] { ok = ImportText(doc); }))
        ok = Fail(ReadError::ShortRead, "the file became shorter while it was read");
    if (ok)
        m_pProgress->Complete();
    m_pProgress = nullptr;
    m_text = {};
    return ok;
}

bool CImporter::ImportText(CSorvDoc& doc)
{
    const std::string_view text = m_text;
    if (text.empty())
        return Fail(ReadError::Empty, "the file is empty");
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return Fail(ReadError::Utf16, "the file is UTF-16 text: save it as UTF-8 or Shift-JIS");
    const ImportBody body = ImportBody::Of(text, m_options.skip);
    if (m_options.delimiter == ImportDelimiter::Auto)
        m_options.delimiter = DetectDelimiter(body, m_options.comment);
    if (m_options.detectLayout)
        DetectLayout();
    const CFieldScanner scanner(m_options.delimiter, body.eol, m_options.comment, body.end);
    Plan plan(scanner);
    try {
        if (!Measure(body, plan) || !Convert(plan))
            return false;
        Adopt(plan, IsValidUtf8(text.data(), text.size()), doc);
    } catch (const std::bad_alloc&) {
        return Fail(ReadError::NoMemory, "not enough memory for the data");
    }
    Warn(body, plan);
    return true;
}

void CImporter::DetectLayout()
{
    const ImportOptions detected = DetectImport(m_text, m_options).options;
    m_options.header = detected.header;
    m_options.firstColumn = detected.firstColumn;
    m_options.decimalComma = m_options.decimalComma || detected.decimalComma;
    m_options.detectLayout = false;
}

template <class Work>
bool CImporter::RunPieces(std::size_t n, const Work& work)
{
    std::atomic<bool> vanished = false;
    const char* begin = m_text.data();
    const char* end = begin + m_text.size();
    RunOnThreads(n, m_threads, [&](std::size_t k) {
        // After a cancel the pieces left are not begun.
        if (!m_pProgress->IsCancelled() && !RunGuarded(begin, end, [&] { work(k); }))
            vanished = true;
    });
    if (vanished)
        return Fail(ReadError::ShortRead, "the file became shorter while it was read");
    if (m_pProgress->IsCancelled())
        return Fail(ReadError::Cancelled, "the read was cancelled");
    return true;
}

std::size_t CImporter::Pieces(std::size_t bytes) const
{
    if (m_pieces != 0)
        return m_pieces;
    return std::clamp<std::size_t>(bytes / kBytesPerPiece, 1, kPiecesPerThread * m_threads);
}

// Reads the header, cuts the rest into pieces, counts their records and
// cells, and settles the shape of the matrix.
bool CImporter::Measure(const ImportBody& body, Plan& plan)
{
    const CFieldScanner& scanner = plan.scanner;
    const char* begin = plan.headerLine = scanner.NextRecord(body.begin);
    std::string scratch;
    if (m_options.header && begin != body.end)
        begin = scanner.Record(begin, [&](const Field& f) { plan.names.emplace_back(scanner.Text(f, scratch)); });
    plan.cuts = scanner.Split(begin, Pieces(std::size_t(body.end - begin)));
    plan.shapes.resize(plan.cuts.size() - 1);
    if (!RunPieces(plan.shapes.size(), [&](std::size_t k) {
            plan.shapes[k] = CountPiece(scanner, plan.cuts[k], plan.cuts[k + 1], *m_pProgress);
        }))
        return false;

    Layout& layout = plan.layout;
    layout.columns = m_options.columns;
    layout.offset = m_options.firstColumn == FirstColumn::Data ? 0 : 1;
    for (const Shape& s : plan.shapes) {
        layout.records += s.records;
        plan.widest = std::max(plan.widest, s.widest);
        plan.labelBytes += s.labelBytes;
    }
    const std::size_t values = plan.widest - std::min(plan.widest, layout.offset);
    layout.width = std::max(values, plan.names.size() - std::min(plan.names.size(), layout.offset));
    return CheckShape(plan);
}

bool CImporter::CheckShape(const Plan& plan)
{
    const Layout& layout = plan.layout;
    if (layout.records == 0 && !plan.names.empty())
        return Fail(ReadError::HeaderOnly, "the file has a header line but no data lines");
    if (layout.records == 0 || layout.width == 0)
        return Fail(ReadError::NoNumbers, "no cell of the file is a number");
    const std::uint64_t rows = layout.Rows(), cols = layout.Cols();
    if (cols > std::uint64_t(INT_MAX) / rows) {
        return Fail(ReadError::TooLarge, "the data is too large: " + std::to_string(rows) + " rows x "
                                             + std::to_string(cols) + " columns (at most " + std::to_string(INT_MAX)
                                             + " cells)", rows, cols);
    }
    if (rows * cols < 4)
        return Fail(ReadError::TooFewCells, "the data has three cells or fewer (at least four are needed)");
    // Checked before allocating: the system would sooner swap than refuse.
    const std::uint64_t bytes = rows * cols * sizeof(double) + rows * sizeof(std::string) + plan.labelBytes
                                + layout.records * sizeof(std::size_t);
    if (bytes > m_nMemoryLimit) {
        return Fail(ReadError::TooLarge, "the data needs a matrix of " + std::to_string(rows) + " rows x "
                                             + std::to_string(cols) + " columns (" + FormatBytes(bytes)
                                             + "), more than the " + FormatBytes(m_nMemoryLimit)
                                             + " of memory available", rows, cols);
    }
    return true;
}

// Converts every piece into the matrix and the labels, on every core.
bool CImporter::Convert(Plan& plan)
{
    const Layout& layout = plan.layout;
    const std::size_t cells = layout.Rows() * layout.Cols();
    plan.data = std::make_unique_for_overwrite<double[]>(cells);
    AdviseHugePages(plan.data.get(), cells * sizeof(double));
    Conversion conversion{plan.scanner, layout, plan.widest, m_options.decimalComma,
                          m_options.firstColumn == FirstColumn::Labels, plan.data.get()};
    if (!layout.columns) {
        plan.labels = std::make_unique<std::string[]>(layout.records);
        conversion.rowLabels = plan.labels.get();
    } else if (conversion.takeLabels) {
        plan.labelText.assign(plan.labelBytes, '\0');
        plan.labelEnds.assign(layout.records, 0);
        conversion.labelText = plan.labelText.data();
        conversion.labelEnds = plan.labelEnds.data();
    }
    const std::size_t n = plan.shapes.size();
    std::vector<std::uint64_t> firstRecord(n);
    std::vector<std::size_t> labelAt(n);
    for (std::size_t k = 1; k < n; ++k) {
        firstRecord[k] = firstRecord[k - 1] + plan.shapes[k - 1].records;
        labelAt[k] = labelAt[k - 1] + plan.shapes[k - 1].labelBytes;
    }
    plan.tallies.resize(n);
    if (!RunPieces(n, [&](std::size_t k) {
            plan.tallies[k] = conversion.Piece(plan.cuts[k], plan.cuts[k + 1], plan.shapes[k], firstRecord[k],
                                               labelAt[k], *m_pProgress);
        }))
        return false;
    for (const Tally& t : plan.tallies)
        plan.missing += t.missing;
    if (plan.missing == layout.Rows() * layout.Cols())
        return Fail(ReadError::NoNumbers, "no cell of the file is a number");
    return true;
}

void CImporter::Adopt(Plan& plan, bool utf8, CSorvDoc& doc)
{
    const Layout& layout = plan.layout;
    const int rows = int(layout.Rows()), cols = int(layout.Cols());
    CColumnLabels columnLabels;
    if (!layout.columns && m_options.header)
        columnLabels = NameColumns(plan.names, layout.offset, layout.width);
    if (layout.columns) {
        plan.labels = NameLabels(plan.names, layout.offset, layout.width);
        if (m_options.firstColumn == FirstColumn::Labels)
            columnLabels = PackColumnLabels(std::move(plan.labelText), std::move(plan.labelEnds), plan.shapes,
                                            plan.tallies);
    }
    doc.Adopt(rows, cols, std::move(plan.data), std::move(plan.labels), utf8);
    doc.m_nMissing = int(plan.missing);
    doc.m_columnLabels = std::move(columnLabels);
}

void CImporter::Warn(const ImportBody& body, const Plan& plan)
{
    std::uint64_t ragged = 0;
    const char* firstRagged = nullptr;
    const char* unterminated = nullptr;
    for (const Tally& t : plan.tallies) {
        if (!firstRagged)
            firstRagged = t.firstRagged;
        ragged += t.ragged;
        if (t.unterminated)
            unterminated = t.unterminated;
    }
    const std::size_t named = plan.names.size() - std::min(plan.names.size(), plan.layout.offset);
    if (m_options.columns && m_options.header && named < plan.layout.width) {
        const std::size_t n = plan.layout.width;
        m_warnings.push_back({ImportWarning::Kind::UnnamedSeries, (long long)(n - named), body.LineOf(plan.headerLine),
                              "the header names " + std::to_string(named) + " of " + std::to_string(n)
                                  + " series: the others have no name"});
    }
    if (ragged != 0) {
        const long long line = body.LineOf(firstRagged);
        m_warnings.push_back({ImportWarning::Kind::RaggedLines, (long long)ragged, line,
                              Lines(ragged) + " fewer cells than the widest (the first is line " + std::to_string(line)
                                  + "): padded with missing values"});
    }
    if (unterminated) {
        const long long line = body.LineOf(unterminated);
        m_warnings.push_back({ImportWarning::Kind::UnterminatedQuote, 1, line,
                              "the quote opened on line " + std::to_string(line)
                                  + " is never closed: read to the end of the file"});
    }
}
