#include "read/ReadMark.h"

#include "doc/DocData.h"
#include "doc/SorvDoc.h"
#include "read/ImportBody.h"
#include "read/MapGuard.h"
#include "read/RowReader.h"
#include "read/Utf8.h"
#include "read/TextSource.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool Warned(const std::vector<ImportWarning>& warnings)
{
    return std::any_of(warnings.begin(), warnings.end(), [](const ImportWarning& w) {
        return w.kind == ImportWarning::Kind::UnterminatedQuote || w.kind == ImportWarning::Kind::UnnamedSeries;
    });
}

// Whether a line of text begins with c (never for NUL).
bool BeginsALine(std::string_view text, char c)
{
    if (c == '\0' || text.empty())
        return false;
    const char twoBytes[] = {'\n', c};
    return text.front() == c || text.find(std::string_view(twoBytes, 2)) != std::string_view::npos;
}

// How an import reads text's lines as ending.
LineEnd LineEndOf(std::string_view text, const ImportOptions& o, bool fileStart)
{
    return ImportBody::Of(text, fileStart ? o.skip : 0, o.comment, fileStart).lineEnd;
}

// The rows (each line a series) or columns (each a point) that lines gave.
int LinesRead(const CDocData& data, bool columnWise)
{
    return columnWise ? data.m_nCols : data.m_nRows;
}

// Whether row of data has a value in its first cols columns.
bool HasValue(const CDocData& data, int row, int cols)
{
    return std::any_of(data.Row(row), data.Row(row) + cols, [](double v) { return !std::isnan(v); });
}

// What data keeps of its own before lines are appended: all but what the
// unended line at its end gave, which comes again whole; nothing (-1) when
// that cannot be told.
int KeptCount(std::string_view unended, const CDocData& data, const std::optional<ImportOptions>& import, bool crlf)
{
    const bool columnWise = import && import->columns;
    if (unended.empty())
        return LinesRead(data, columnWise);
    const std::shared_ptr<const CDocData> line = ReadAppendedLines(unended, import, crlf, {.threads = 1});
    // Every line is a row of the default reader's, also one without a cell.
    if (!line)
        return import ? -1 : data.m_nRows - 1;
    // The line cut short may have made the matrix as wide (as many series)
    // as it is, which what is kept need not be.
    const int kept = LinesRead(data, columnWise) - LinesRead(*line, columnWise);
    const bool widest = columnWise ? line->m_nRows >= data.m_nRows && !HasValue(data, data.m_nRows - 1, kept)
                                   : line->m_nCols >= data.m_nCols;
    return widest ? -1 : kept;
}

}  // namespace

std::optional<ImportOptions> AppendedLinesOptions(const ImportOptions& used, const CDocData& data, bool firstFound)
{
    const bool byName = std::any_of(used.use.begin(), used.use.end(), [](const ColumnPick& p) { return !p.name.empty(); });
    const bool mayBecomeX = firstFound && used.columns && used.firstColumn == FirstColumn::Data && data.m_nRows > 0
                            && CXValues(XKind::Number, {}, {data.Row(0), data.Row(0) + data.m_nCols}).NeverFalls();
    // Each column a series, a series taken as x: the whole file decides.
    const bool seriesAsX = used.columns && used.xRow >= 0;
    if (byName || mayBecomeX || seriesAsX || (used.columns && !data.m_columnLabels.IsEmpty()))
        return std::nullopt;
    ImportOptions o = used;
    o.header = o.detectHeader = false;
    o.skip = 0;
    // Each line a series: the row taken as x was read before.
    o.xRow = -1;
    return o;
}

std::shared_ptr<const CDocData> ReadAppendedLines(std::string_view lines, const std::optional<ImportOptions>& import,
                                                  bool crlf, const ReadOptions& options)
{
    ReadOptions o = options;
    o.appended = true;
    CSorvDoc piece;
    if (!import) {
        ReadFailure failure;
        return ReadText(piece, lines, failure, o) ? piece.SharedData() : nullptr;
    }
    // Whether a line that begins with the comment character is a comment
    // depends on the table it stands in: the whole file decides.
    bool alone = false;
    if (!RunGuarded(lines.data(), lines.data() + lines.size(), [&] {
            const LineEnd ends = LineEndOf(lines, *import, false);
            alone = ends == (crlf ? LineEnd::CrLf : LineEnd::Lf) && !BeginsALine(lines, import->comment);
        })
        || !alone)
        return nullptr;
    CImporter importer(*import, 0, o.threads);
    if (!importer.Import(lines, piece, o) || Warned(importer.GetWarnings()))
        return nullptr;
    return piece.SharedData();
}

ReadMark MarkAfterRead(const CTextSource& source, const CDocData& data, const std::optional<ImportOptions>& used,
                       bool firstFound, const std::vector<ImportWarning>& warnings)
{
    ReadMark mark;
    const std::string_view text = source.Text();
    if (!source.IsMapped() || data.IsEmpty() || Warned(warnings))
        return mark;
    // A NUL ends the text for the readers: what follows it is never read.
    std::size_t lastLineEnd = std::string_view::npos;
    bool nul = false;
    LineEnd ends = LineEnd::Lf;
    if (!RunGuarded(text.data(), text.data() + text.size(), [&] {
            lastLineEnd = text.rfind('\n');
            nul = std::memchr(text.data(), '\0', text.size()) != nullptr;
            ends = used ? LineEndOf(text, *used, true) : LineEnd::Lf;
        })
        || lastLineEnd == std::string_view::npos || nul || ends == LineEnd::Cr)
        return mark;
    mark.crlf = ends == LineEnd::CrLf;
    if (used) {
        mark.import = AppendedLinesOptions(*used, data, firstFound);
        if (!mark.import)
            return mark;
    }
    mark.end = lastLineEnd + 1;
    const bool whole = mark.end == text.size();
    // A row taken as x may be the line not yet ended; the shape of the table,
    // which tells a comment from a line of data, may be its shape.
    if (!whole && used && (used->xRow >= 0 || used->comment != '\0'))
        return mark;
    const int kept = KeptCount(text.substr(mark.end), data, mark.import, mark.crlf);
    if (kept < 0)
        return mark;
    const bool columnWise = mark.import && mark.import->columns;
    if (whole && (data.m_dMin != 0.0 || data.m_dMax != 0.0)) {
        mark.kept = {kept, {data.m_dMin, data.m_dMax}, data.m_nMissing};
    } else {
        // Data without a finite value reads 0 to 0 too: the cells tell.
        mark.kept = KeptPart(data, kept, !columnWise, mark.import.has_value());
    }
    mark.device = source.Device();
    mark.inode = source.Inode();
    const std::size_t tail = std::min<std::size_t>(mark.end, ReadMark::kTailBytes);
    mark.appendable = RunGuarded(text.data(), text.data() + text.size(), [&] {
        mark.tail = std::string(text.substr(mark.end - tail, tail));
        // A line cut short may have cut a character short too.
        mark.utf8 = data.m_bUtf8 || (!whole && IsValidUtf8(text.data(), mark.end));
    });
    return mark;
}
