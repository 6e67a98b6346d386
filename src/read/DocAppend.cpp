#include "read/DocAppend.h"

#include "doc/DocData.h"
#include "read/MapGuard.h"
#include "read/SystemMemory.h"
#include "read/TextSource.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

using Result = AppendOutcome::Result;

// The lines after the mark's end in text, up to the last line end (empty
// when none ended), and the bytes before their end. False when the file
// changed before the mark's end (or shrank while it was looked at), or when
// a NUL among the new bytes ends the text there for the readers.
bool AppendedLines(std::string_view text, const ReadMark& mark, std::string_view& lines, std::string& tail)
{
    if (text.size() < mark.end)
        return false;
    bool same = false;
    const bool read = RunGuarded(text.data(), text.data() + text.size(), [&] {
        same = text.substr(mark.end - mark.tail.size(), mark.tail.size()) == mark.tail;
        const std::size_t end = text.rfind('\n') + 1;
        lines = end > mark.end ? text.substr(mark.end, end - mark.end) : std::string_view();
        same = same && std::memchr(text.data() + mark.end, '\0', text.size() - mark.end) == nullptr;
        const std::size_t tailBytes = std::min(end, ReadMark::kTailBytes);
        tail = text.substr(end - tailBytes, tailBytes);
    });
    return read && same;
}

// old and the lines read into piece, as one: each line a point for a column
// import, else a series; null when they do not go together.
std::shared_ptr<CDocData> Joined(const CDocData& old, const ReadMark& mark, const CDocData& piece, ValueRange& range)
{
    // The whole file in UTF-8 or not: lines that are not turn the old labels' encoding.
    if (mark.utf8 && !piece.m_bUtf8)
        return nullptr;
    if (mark.import && mark.import->columns) {
        if (old.m_x.IsEmpty() != piece.m_x.IsEmpty() || (!old.m_x.IsEmpty() && old.m_x.Kind() != piece.m_x.Kind()))
            return nullptr;
        std::shared_ptr<CDocData> joined = WithColumnsAppended(old, mark.kept, piece, range);
        // x that falls from here on may not be x any more: the whole file decides.
        if (joined && old.m_x.NeverFalls() && !joined->m_x.NeverFalls())
            return nullptr;
        return joined;
    }
    // New columns would want x values and column labels that only a whole read gives.
    if (piece.m_nCols > old.m_nCols && (!old.m_x.IsEmpty() || !old.m_columnLabels.IsEmpty()))
        return nullptr;
    return WithRowsAppended(old, mark.kept, piece, mark.import ? std::numeric_limits<double>::quiet_NaN() : 0.0,
                            range);
}

}  // namespace

AppendOutcome AppendToData(const std::string& path, const CDocData& old, const ReadMark& mark,
                           const ReadOptions& options)
{
    AppendOutcome outcome;
    if (!mark.appendable || old.IsEmpty())
        return outcome;
    CTextSource source;
    ReadFailure failure;
    const std::uint64_t memory = options.availableMemory ? options.availableMemory : AvailableMemory();
    if (!source.Open(path, options.progress, memory, failure) || !source.IsMapped() || source.Device() != mark.device
        || source.Inode() != mark.inode)
        return outcome;
    std::string_view lines;
    std::string tail;
    if (!AppendedLines(source.Text(), mark, lines, tail))
        return outcome;
    if (lines.empty()) {
        outcome.result = Result::Unchanged;
        return outcome;
    }
    const std::shared_ptr<const CDocData> piece = ReadAppendedLines(lines, mark.import, mark.crlf, options);
    ValueRange range;
    std::shared_ptr<CDocData> joined = piece ? Joined(old, mark, *piece, range) : nullptr;
    if (!joined)
        return outcome;
    outcome.result = Result::Appended;
    outcome.mark = mark;
    outcome.mark.end = mark.end + lines.size();
    outcome.mark.tail = std::move(tail);
    outcome.mark.kept = {mark.import && mark.import->columns ? joined->m_nCols : joined->m_nRows, range,
                         joined->m_nMissing};
    joined->m_bUtf8 = mark.utf8;
    outcome.data = std::move(joined);
    return outcome;
}
