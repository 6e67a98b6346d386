#include "read/ReadMark.h"

#include "doc/DocData.h"
#include "doc/SorvDoc.h"
#include "read/MapGuard.h"
#include "read/RowReader.h"
#include "read/TextSource.h"

#include <algorithm>

namespace {

bool Warned(const std::vector<ImportWarning>& warnings)
{
    return std::any_of(warnings.begin(), warnings.end(), [](const ImportWarning& w) {
        return w.kind == ImportWarning::Kind::UnterminatedQuote || w.kind == ImportWarning::Kind::UnnamedSeries;
    });
}

// The rows (each line a series) or columns (each a point) that lines gave.
int LinesRead(const CDocData& data, bool columnWise)
{
    return columnWise ? data.m_nCols : data.m_nRows;
}

// What data keeps of its own before lines are appended: all but what the
// unended line at its end gave, which comes again whole; nothing (-1) when
// that cannot be told.
int KeptCount(std::string_view unended, const CDocData& data, const std::optional<ImportOptions>& import)
{
    const bool columnWise = import && import->columns;
    if (unended.empty())
        return LinesRead(data, columnWise);
    // Every line is a row of the default reader's.
    if (!import)
        return data.m_nRows - 1;
    const std::shared_ptr<const CDocData> line = ReadAppendedLines(unended, import, {.threads = 1});
    return line ? LinesRead(data, columnWise) - LinesRead(*line, columnWise) : -1;
}

}  // namespace

std::optional<ImportOptions> AppendedLinesOptions(const ImportOptions& used, const CDocData& data, bool firstFound)
{
    const bool byName = std::any_of(used.use.begin(), used.use.end(), [](const ColumnPick& p) { return !p.name.empty(); });
    const bool mayBecomeX = firstFound && used.columns && used.firstColumn == FirstColumn::Data && data.m_nRows > 0
                            && CXValues(XKind::Number, {}, {data.Row(0), data.Row(0) + data.m_nCols}).NeverFalls();
    if (byName || mayBecomeX || (used.columns && !data.m_columnLabels.IsEmpty()))
        return std::nullopt;
    ImportOptions o = used;
    o.header = o.detectHeader = false;
    o.skip = 0;
    o.xRow = -1;
    return o;
}

std::shared_ptr<const CDocData> ReadAppendedLines(std::string_view lines, const std::optional<ImportOptions>& import,
                                                  const ReadOptions& options)
{
    ReadOptions o = options;
    o.appended = true;
    CSorvDoc piece;
    if (!import) {
        ReadFailure failure;
        return ReadText(piece, lines, failure, o) ? piece.SharedData() : nullptr;
    }
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
    std::size_t lastLineEnd = std::string_view::npos;
    if (!RunGuarded(text.data(), text.data() + text.size(), [&] { lastLineEnd = text.rfind('\n'); })
        || lastLineEnd == std::string_view::npos)
        return mark;
    if (used) {
        mark.import = AppendedLinesOptions(*used, data, firstFound);
        if (!mark.import)
            return mark;
    }
    mark.end = lastLineEnd + 1;
    const int kept = KeptCount(text.substr(mark.end), data, mark.import);
    if (kept < 0)
        return mark;
    const bool columnWise = mark.import && mark.import->columns;
    const bool whole = kept == LinesRead(data, columnWise);
    if (whole && (data.m_dMin != 0.0 || data.m_dMax != 0.0)) {
        mark.kept = {kept, {data.m_dMin, data.m_dMax}, data.m_nMissing};
    } else {
        // Data without a finite value reads 0 to 0 too: the cells tell.
        mark.kept = KeptPart(data, kept, !columnWise, mark.import.has_value());
    }
    mark.device = source.Device();
    mark.inode = source.Inode();
    const std::size_t tail = std::min<std::size_t>(mark.end, ReadMark::kTailBytes);
    mark.appendable = RunGuarded(text.data(), text.data() + text.size(),
                                 [&] { mark.tail = std::string(text.substr(mark.end - tail, tail)); });
    return mark;
}
