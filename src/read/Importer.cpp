#include "read/Importer.h"

#include "doc/GrownRoom.h"
#include "doc/SorvDoc.h"
#include "read/ChunkParser.h"
#include "read/FieldScanner.h"
#include "read/ImportBody.h"
#include "read/ImportColumns.h"
#include "read/ImportConversion.h"
#include "read/ImportDetect.h"
#include "read/ImportNames.h"
#include "read/ImportPieces.h"
#include "read/ProgressCheckpoint.h"
#include "read/ReadPass.h"
#include "read/ReadProgress.h"
#include "read/SystemMemory.h"
#include "read/Utf8.h"
#include "work/WorkerPool.h"

#include <algorithm>
#include <climits>
#include <cmath>
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

// The pieces meet their values in their own order, but equal values differ
// at most in the sign of zero: a bound that is zero is the zero that comes
// first in storage order, as a scan of the matrix would keep.
ValueRange ZeroFirstInStorage(ValueRange range, const double* data, const Layout& layout)
{
    const std::size_t cols = layout.Cols(), stride = layout.RowStride();
    for (double* bound : {&range.min, &range.max}) {
        for (std::size_t r = 0; *bound == 0 && r < layout.Rows(); ++r) {
            const double* row = data + r * stride;
            if (const double* zero = std::find(row, row + cols, 0.0); zero != row + cols) {
                *bound = *zero;
                break;
            }
        }
    }
    return range;
}

// The matrix of layout, its rows with room for points appended later when
// each column is a series (without that room when memory will not give it).
std::unique_ptr<double[]> MakeMatrix(Layout& layout)
{
    if (layout.columns) {
        layout.room = std::min<std::uint64_t>(GrownRoom(layout.records), INT_MAX);
        try {
            return std::make_unique_for_overwrite<double[]>(layout.Rows() * layout.RowStride());
        } catch (const std::bad_alloc&) {
            layout.room = 0;
        }
    }
    return std::make_unique_for_overwrite<double[]>(layout.Rows() * layout.RowStride());
}

std::string Lines(std::uint64_t n)
{
    return n == 1 ? "1 line has" : std::to_string(n) + " lines have";
}

// x values that rise from the first to the last and never fall on the way.
bool Rises(const std::vector<double>& x)
{
    const CXValues values(XKind::Number, {}, x);
    const std::optional<std::pair<double, double>> range = values.Range(0, int(x.size()) - 1);
    return values.NeverFalls() && range && range->second > range->first;
}

// Whether the record at p has a cell that reads as a number.
bool HoldsNumber(const CFieldScanner& scanner, const char* p, bool decimalComma)
{
    bool number = false;
    scanner.Record(p, [&](const Field& f) {
        double v;
        number = number || scanner.Number(f, decimalComma, v);
    });
    return number;
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
    ImportColumns columns;
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
    std::unique_ptr<std::string[]> labelStrings;   // ... or one string each, when cells are targeted
    std::vector<double> x;
    std::vector<int> zones;
    XCells xCells;

    NameOf ValueName() const
    {
        return [this](std::size_t k) { return columns.ValueName(names, k); };
    }
};

CImporter::CImporter(const ImportOptions& options, unsigned pieces, unsigned threads)
    : m_given(options), m_options(options), m_pieces(pieces),
      m_threads(CWorkerPool::ThreadCount(threads))
{
}

bool CImporter::Fail(ReadError code, std::string text, std::uint64_t rows, std::uint64_t cols)
{
    m_failure = {code, std::move(text), 0, rows, cols};
    return false;
}

bool CImporter::Import(std::string_view text, CSorvDoc& doc, const ReadOptions& options)
{
    m_options = m_given;
    m_failure = {};
    m_warnings.clear();
    m_nMemoryLimit = options.availableMemory ? options.availableMemory : AvailableMemory();
    m_bAppended = options.appended;
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
    const ImportBody body = ImportBody::Of(text, m_options.skip, m_options.comment, !m_bAppended);
    if (m_options.delimiter == ImportDelimiter::Auto)
        m_options.delimiter = DetectDelimiter(body, m_options.comment);
    if (m_options.detectHeader)
        m_options.header = DetectImport(text, m_options).options.header;
    m_options.detectHeader = false;
    CFieldScanner scanner(m_options.delimiter, body.eol, m_options.comment, body.end);
    scanner.SetTableCells(TableCells(body, m_options.delimiter, m_options.comment, body.end));
    Plan plan(scanner, pass);
    try {
        if (!Measure(body, plan) || !Convert(plan) || !CheckXRow(plan))
            return false;
        const char* counted = plan.pieces.cuts.front();   // the pieces checked their own bytes
        Adopt(plan, plan.pieces.utf8 && IsValidUtf8(text.data(), std::size_t(counted - text.data())), doc);
    } catch (const std::bad_alloc&) {
        return Fail(ReadError::NoMemory, "not enough memory for the data");
    }
    Warn(body, plan);
    return true;
}

std::size_t CImporter::Pieces(std::size_t bytes) const
{
    if (m_pieces != 0)
        return m_pieces;
    return std::clamp<std::size_t>(bytes / kBytesPerPiece, 1, kPiecesPerThread * m_threads);
}

// The header's names, from the first record or from a comment line above
// data; returns where the data begin.
const char* CImporter::ReadHeader(const ImportBody& body, Plan& plan)
{
    const CFieldScanner& scanner = plan.scanner;
    const char* begin = plan.headerLine = scanner.NextRecord(body.begin);
    if (!m_options.header || begin == body.end)
        return begin;
    if (HoldsNumber(scanner, begin, m_options.decimalComma))
        plan.names = CommentHeader(scanner, body, begin, m_options.comment);
    if (!plan.names.empty())
        return begin;
    std::string scratch;
    return scanner.Record(begin, [&](const Field& f) { plan.names.emplace_back(scanner.Text(f, scratch)); });
}

// Reads the header, cuts the rest into pieces, counts their records and
// cells, and settles the columns and the shape of the matrix.
bool CImporter::Measure(const ImportBody& body, Plan& plan)
{
    const char* begin = ReadHeader(body, plan);
    if (!CountPieces(plan.scanner, begin, Pieces(std::size_t(body.end - begin)), plan.pass, plan.pieces)) {
        m_failure = plan.pass.Failure();
        return false;
    }
    Layout& layout = plan.layout;
    layout.columns = m_options.columns;
    for (const RecordCount& s : plan.pieces.shapes) {
        layout.records += s.records;
        plan.widest = std::max(plan.widest, s.widest);
        plan.labelBytes += s.labelBytes;
    }
    if (layout.records == 0)
        return CheckShape(plan);
    ImportColumns& columns = plan.columns;
    if (!ResolveColumns(m_options, plan.scanner, begin, plan.names, plan.widest, columns, m_failure))
        return false;
    m_options.firstColumn = columns.first;
    layout.offset = columns.offset;
    const std::size_t named = plan.names.size() - std::min(plan.names.size(), columns.offset);
    layout.width = columns.targets ? columns.values : std::max(columns.values, named);
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
    if (rows * cols < 4 && !m_bAppended)
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

// Where the conversion puts labels and x, allocated for it.
void CImporter::PrepareOutputs(Plan& plan, Conversion& conversion)
{
    const Layout& layout = plan.layout;
    const ImportColumns& columns = plan.columns;
    const bool labels = columns.first == FirstColumn::Labels;
    if (!layout.columns) {
        plan.labels = std::make_unique<std::string[]>(layout.records);
        conversion.rowLabels = plan.labels.get();
    } else if (labels && columns.targets) {
        plan.labelStrings = std::make_unique<std::string[]>(layout.records);
        conversion.labelStrings = plan.labelStrings.get();
    } else if (labels) {
        plan.labelText = std::make_unique_for_overwrite<char[]>(plan.labelBytes);
        plan.labelEnds = std::make_unique_for_overwrite<std::size_t[]>(layout.records);
        conversion.labelText = plan.labelText.get();
        conversion.labelEnds = plan.labelEnds.get();
    }
    conversion.takeLabels = labels;
    if (columns.xCell < 0)
        return;
    plan.x.assign(layout.records, kMissing);
    if (columns.xKind == XKind::Time)
        plan.zones.assign(layout.records, XCells::kNoZone);
    plan.xCells = {columns.xKind, m_options.decimalComma, plan.x.data(), plan.zones.data()};
    conversion.x = &plan.xCells;
}

// Converts every piece into the matrix, the labels and x, on every core.
bool CImporter::Convert(Plan& plan)
{
    const Layout& layout = plan.layout;
    plan.data = MakeMatrix(plan.layout);
    Conversion conversion{plan.scanner, layout, plan.widest, m_options.decimalComma};
    conversion.data = plan.data.get();
    conversion.targets = plan.columns.targets ? &*plan.columns.targets : nullptr;
    PrepareOutputs(plan, conversion);
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
    SettleX(plan);
    const std::size_t all = plan.layout.Rows() * plan.layout.Cols();
    if (plan.missing == all)
        return Fail(ReadError::NoNumbers, "no cell of the file is a number");
    plan.range = ZeroFirstInStorage(plan.range, plan.data.get(), plan.layout);
    return true;
}

// Date-times to the clock of their first zone; a first column taken for x
// because it looked so, whose numbers fall somewhere, becomes a series.
void CImporter::SettleX(Plan& plan)
{
    ImportColumns& columns = plan.columns;
    if (columns.xCell < 0)
        return;
    if (columns.xKind == XKind::Time) {
        ToFirstZone(plan.x.data(), plan.zones.data(), plan.x.size());
        return;
    }
    if (!columns.firstDetected || columns.first != FirstColumn::X || Rises(plan.x))
        return;
    Layout& layout = plan.layout;
    const std::size_t cols = layout.records, stride = layout.RowStride();
    auto data = std::make_unique_for_overwrite<double[]>((layout.width + 1) * stride);
    std::copy(plan.x.begin(), plan.x.end(), data.get());
    for (std::size_t r = 0; r < layout.width; ++r)
        std::copy_n(plan.data.get() + r * stride, cols, data.get() + (r + 1) * stride);
    for (const double v : plan.x) {
        plan.missing += v != v;
        plan.range.Add(v);
    }
    plan.data = std::move(data);
    ++layout.width;
    if (columns.targets)
        columns.valueCells.insert(columns.valueCells.begin(), std::size_t(columns.xCell));
    columns.offset = layout.offset = 0;
    columns.first = m_options.firstColumn = FirstColumn::Data;
    columns.xCell = -1;
    plan.x.clear();
}

bool CImporter::CheckXRow(const Plan& plan)
{
    const int row = m_options.xRow;
    if (row < 0)
        return true;
    const std::uint64_t rows = plan.layout.Rows(), cols = plan.layout.Cols();
    const std::string number = std::to_string(row + 1);
    if (std::uint64_t(row) >= rows || rows < 2) {
        m_failure = {ReadError::NoSuchRow, "there is no row " + number + " to take as x beside the series (the data has "
                                               + std::to_string(rows) + ")", 0, 0, 0, number};
        return false;
    }
    const double* values = plan.data.get() + std::uint64_t(row) * cols;
    if (std::none_of(values, values + cols, [](double v) { return std::isfinite(v); })) {
        m_failure = {ReadError::NoSuchRow, "row " + number + " has no number to take as x", 0, 0, 0, number};
        return false;
    }
    return true;
}

void CImporter::Adopt(Plan& plan, bool utf8, CSorvDoc& doc)
{
    const Layout& layout = plan.layout;
    const ImportColumns& columns = plan.columns;
    const int rows = int(layout.Rows()), cols = int(layout.Cols());
    const NameOf name = plan.ValueName();
    CColumnLabels columnLabels;
    std::optional<CXValues> x;
    if (!layout.columns && m_options.header) {
        const std::string xName = columns.first == FirstColumn::Labels && !plan.names.empty() ? plan.names[0] : "";
        x = NamesAsX(name, layout.width, m_options.decimalComma, xName);
        if (!x)
            columnLabels = NameColumns(name, layout.width);
    }
    if (layout.columns) {
        plan.labels = NameLabels(name, layout.width);
        if (columns.first == FirstColumn::Labels && columns.targets)
            columnLabels = NameColumns([&](std::size_t c) { return std::string_view(plan.labelStrings[c]); },
                                       layout.records);
        else if (columns.first == FirstColumn::Labels)
            columnLabels = PackColumnLabels(std::move(plan.labelText), std::move(plan.labelEnds), plan.pieces.shapes,
                                            plan.tallies);
    }
    if (columns.xCell >= 0) {
        const std::size_t cell = std::size_t(columns.xCell);
        x.emplace(columns.xKind, cell < plan.names.size() ? plan.names[cell] : "", std::move(plan.x));
    }
    auto data = std::make_shared<CDocData>();
    data->SetShape(rows, cols);
    data->m_nStride = int(layout.RowStride());
    data->m_pData = std::move(plan.data);
    data->m_pLabels = std::move(plan.labels);
    data->TakeRange(plan.range);
    data->m_bUtf8 = utf8;
    data->m_nMissing = int(plan.missing);
    data->m_columnLabels = std::move(columnLabels);
    data->m_bColumnWise = layout.columns;
    if (x)
        data->m_x = std::move(*x);
    if (m_options.xRow >= 0)
        data->TakeRowAsX(m_options.xRow);
    doc.Adopt(std::move(data));
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
    std::size_t named = 0;
    for (std::size_t k = 0; k < plan.layout.width; ++k)
        named += plan.columns.targets ? plan.columns.valueCells[k] < plan.names.size()
                                      : plan.columns.offset + k < plan.names.size();
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
