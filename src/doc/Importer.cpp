#include "doc/Importer.h"

#include "doc/ChunkParser.h"
#include "doc/FieldScanner.h"
#include "doc/HugePages.h"
#include "doc/ImportBody.h"
#include "doc/ImportDetect.h"
#include "doc/ImportPieces.h"
#include "doc/ParallelRun.h"
#include "doc/ProgressCheckpoint.h"
#include "doc/ReadPass.h"
#include "doc/ReadProgress.h"
#include "doc/SorvDoc.h"
#include "doc/SystemMemory.h"
#include "doc/TextSource.h"
#include "doc/Utf8.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>

namespace {

// Pieces of the text converted at once: enough that a thread held up by
// other work leaves its share to the others, few enough to cost nothing.
constexpr std::size_t kBytesPerPiece = std::size_t(1) << 20;
constexpr std::size_t kPiecesPerThread = 16;
constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

// What the conversion of one piece finds.
struct Tally {
    std::uint64_t missing = 0;
    std::uint64_t ragged = 0;               // records with fewer cells than the widest
    const char* firstRagged = nullptr;
    const char* unterminated = nullptr;     // the cell whose quote is never closed
    std::size_t labelEnd = 0;               // where its column labels end
    ValueRange range;                       // of its finite values, in the order it met them
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
    [[gnu::flatten]] Tally Piece(const char* begin, const char* end, const RecordCount& shape, std::uint64_t record,
                                 std::size_t labelAt, CReadProgress& progress) const
    {
        Tally tally;
        std::string scratch;
        CProgressCheckpoint checkpoint(begin, end, progress);
        const std::uint64_t last = record + shape.records;
        const std::size_t labelLimit = labelAt + shape.labelBytes;
        ValueOut out;
        out.step = layout.ValueStride();
        out.width = layout.width;
        for (const char* p = scanner.NextRecord(begin); p < end && record < last && checkpoint.At(p); ++record) {
            out.values = data + record * layout.RecordStride();
            std::size_t leading = 0;
            const char* next = scanner.Values(
                p, decimalComma, layout.offset,
                [&](const Field& f) {
                    ++leading;
                    NoteQuote(f, tally);
                    TakeLabel(f, record, labelAt, labelLimit, scratch);
                },
                out);
            for (std::size_t j = out.cells; j < out.width; ++j) {
                out.values[j * out.step] = kMissing;
                ++out.missing;
            }
            if (leading + out.cells < widest && tally.ragged++ == 0)
                tally.firstRagged = p;
            p = scanner.NextRecord(next);
        }
        tally.missing = out.missing;
        tally.range = out.range;
        if (out.unterminated)
            tally.unterminated = out.unterminated;
        tally.labelEnd = labelAt;
        checkpoint.Report(end);
        return tally;
    }

    static void NoteQuote(const Field& f, Tally& tally)
    {
        if (f.unterminated)
            tally.unterminated = f.begin;
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
CColumnLabels PackColumnLabels(std::unique_ptr<char[]> text, std::unique_ptr<std::size_t[]> ends,
                               const std::vector<RecordCount>& shapes, const std::vector<Tally>& tallies)
{
    std::size_t at = 0, base = 0;
    std::uint64_t record = 0;
    for (std::size_t k = 0; k < shapes.size(); ++k) {
        const std::size_t used = tallies[k].labelEnd - base;
        if (at != base) {
            std::memmove(text.get() + at, text.get() + base, used);
            for (std::uint64_t r = record; r < record + shapes[k].records; ++r)
                ends[r] -= base - at;
        }
        at += used;
        base += shapes[k].labelBytes;
        record += shapes[k].records;
    }
    return CColumnLabels(std::move(text), std::move(ends), record);
}

// The pieces meet their values in their own order, but equal values differ
// at most in the sign of zero: a bound that is zero is the zero that comes
// first in storage order, as a scan of the matrix would keep.
ValueRange ZeroFirstInStorage(ValueRange range, const double* data, std::size_t cells)
{
    for (double* bound : {&range.min, &range.max})
        if (*bound == 0)
            *bound = *std::find(data, data + cells, 0.0);
    return range;
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
    const auto named = [&](std::size_t i) {
        return offset + i < names.size() ? std::string_view(names[offset + i]) : std::string_view();
    };
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < n; ++i)
        bytes += named(i).size();
    auto text = std::make_unique_for_overwrite<char[]>(bytes);
    auto ends = std::make_unique_for_overwrite<std::size_t[]>(n);
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view name = named(i);
        std::copy(name.begin(), name.end(), text.get() + at);
        ends[i] = at += name.size();
    }
    return CColumnLabels(std::move(text), std::move(ends), n);
}

} // namespace

// The whole of one import: the header, the pieces of the text, the shape of
// the matrix and what the conversion found.
struct CImporter::Plan {
    Plan(const CFieldScanner& s, CReadPass& p) : scanner(s), pass(p) {}

    const CFieldScanner& scanner;
    CReadPass& pass;                  // runs the counting and the conversion of the pieces
    std::vector<std::string> names;   // the header's cells
    const char* headerLine = nullptr;
    ImportPieces pieces;
    Layout layout;
    std::size_t widest = 0;
    std::size_t labelBytes = 0;
    std::vector<Tally> tallies;
    std::uint64_t missing = 0;
    ValueRange range;
    std::unique_ptr<double[]> data;
    std::unique_ptr<std::string[]> labels;
    std::unique_ptr<char[]> labelText;  // column labels from the first cells
    std::unique_ptr<std::size_t[]> labelEnds;
};

CImporter::CImporter(const ImportOptions& options, unsigned pieces, unsigned threads)
    : m_given(options), m_options(options), m_pieces(pieces),
      m_threads(ThreadCount(threads))
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
    CReadProgress ownProgress;
    CReadProgress& progress = options.progress ? *options.progress : ownProgress;
    progress.SetBytesIn(text.size());
    progress.SetTotalWork(2 * std::uint64_t(text.size()));
    CReadPass pass(text.data(), text.data() + text.size(), m_threads, progress);
    bool ok = false;
    // Detection and the header look at the first lines, which may vanish too.
    if (!pass.Guard([&] { ok = ImportText(text, pass, doc); }))
        m_failure = pass.Failure();
    if (ok)
        progress.Complete();
    return ok;
}

bool CImporter::ImportText(std::string_view text, CReadPass& pass, CSorvDoc& doc)
{
    if (text.empty())
        return Fail(ReadError::Empty, "the file is empty");
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return Fail(ReadError::Utf16, "the file is UTF-16 text: save it as UTF-8 or Shift-JIS");
    const ImportBody body = ImportBody::Of(text, m_options.skip);
    if (m_options.delimiter == ImportDelimiter::Auto)
        m_options.delimiter = DetectDelimiter(body, m_options.comment);
    if (m_options.detectLayout)
        DetectLayout(text);
    const CFieldScanner scanner(m_options.delimiter, body.eol, m_options.comment, body.end);
    Plan plan(scanner, pass);
    try {
        if (!Measure(body, plan) || !Convert(plan))
            return false;
        const char* counted = plan.pieces.cuts.front();   // the pieces checked their own bytes
        Adopt(plan, plan.pieces.utf8 && IsValidUtf8(text.data(), std::size_t(counted - text.data())), doc);
    } catch (const std::bad_alloc&) {
        return Fail(ReadError::NoMemory, "not enough memory for the data");
    }
    Warn(body, plan);
    return true;
}

void CImporter::DetectLayout(std::string_view text)
{
    const ImportOptions detected = DetectImport(text, m_options).options;
    m_options.header = detected.header;
    m_options.firstColumn = detected.firstColumn;
    m_options.decimalComma = m_options.decimalComma || detected.decimalComma;
    m_options.detectLayout = false;
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
    if (!CountPieces(scanner, begin, Pieces(std::size_t(body.end - begin)), plan.pass, plan.pieces)) {
        m_failure = plan.pass.Failure();
        return false;
    }

    Layout& layout = plan.layout;
    layout.columns = m_options.columns;
    layout.offset = m_options.firstColumn == FirstColumn::Data ? 0 : 1;
    for (const RecordCount& s : plan.pieces.shapes) {
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
        plan.labelText = std::make_unique_for_overwrite<char[]>(plan.labelBytes);
        plan.labelEnds = std::make_unique_for_overwrite<std::size_t[]>(layout.records);
        AdviseHugePages(plan.labelText.get(), plan.labelBytes);
        AdviseHugePages(plan.labelEnds.get(), layout.records * sizeof(std::size_t));
        conversion.labelText = plan.labelText.get();
        conversion.labelEnds = plan.labelEnds.get();
    }
    const std::vector<RecordCount>& shapes = plan.pieces.shapes;
    const std::size_t n = shapes.size();
    std::vector<std::uint64_t> firstRecord(n);
    std::vector<std::size_t> labelAt(n);
    for (std::size_t k = 1; k < n; ++k) {
        firstRecord[k] = firstRecord[k - 1] + shapes[k - 1].records;
        labelAt[k] = labelAt[k - 1] + shapes[k - 1].labelBytes;
    }
    plan.tallies.resize(n);
    const std::vector<const char*>& cuts = plan.pieces.cuts;
    const bool converted = plan.pass.Run(n, [&](std::size_t k) {
        plan.tallies[k] = conversion.Piece(cuts[k], cuts[k + 1], shapes[k], firstRecord[k], labelAt[k],
                                           plan.pass.Progress());
    });
    if (!converted) {
        m_failure = plan.pass.Failure();
        return false;
    }
    for (const Tally& t : plan.tallies) {
        plan.missing += t.missing;
        plan.range.Add(t.range);
    }
    if (plan.missing == cells)
        return Fail(ReadError::NoNumbers, "no cell of the file is a number");
    plan.range = ZeroFirstInStorage(plan.range, plan.data.get(), cells);
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
            columnLabels = PackColumnLabels(std::move(plan.labelText), std::move(plan.labelEnds), plan.pieces.shapes,
                                            plan.tallies);
    }
    doc.Adopt(rows, cols, std::move(plan.data), std::move(plan.labels), plan.range, utf8);
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
