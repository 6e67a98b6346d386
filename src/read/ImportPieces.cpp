#include "read/ImportPieces.h"

#include "read/ProgressCheckpoint.h"
#include "read/ReadPass.h"
#include "read/Utf8.h"

#include <algorithm>

namespace {

// Counts the records that start in [begin, end) and checks its bytes for
// UTF-8. The last record may run past end (a quoted line break). goOn(p) is
// asked at each record p; the count stops where it says false.
template <class GoOn>
RecordCount CountRecords(const CFieldScanner& scanner, const char* begin, const char* end, GoOn&& goOn)
{
    RecordCount count;
    count.reach = begin;
    for (const char* p = scanner.NextRecord(begin); p < end && goOn(p); p = scanner.NextRecord(p)) {
        std::size_t cells = 0, firstBytes = 0;
        p = scanner.Count(p, cells, firstBytes);
        count.Add(cells, firstBytes, p);
    }
    count.utf8 = IsValidUtf8(begin, std::size_t(end - begin));
    return count;
}

} // namespace

// The cuts lie at line starts, so that no UTF-8 sequence spans one; they are
// record starts too unless a quoted cell with line breaks spans one. Then
// the piece before it reaches past the cut: the cut moves to where that
// piece's last record ends, and the piece after it is counted again from
// there.
bool CountPieces(const CFieldScanner& scanner, const char* begin, std::size_t count, CReadPass& pass,
                 ImportPieces& pieces)
{
    std::vector<const char*>& cuts = pieces.cuts;
    std::vector<RecordCount>& shapes = pieces.shapes;
    shapes.assign(count, RecordCount());
    // The cuts are found on this thread, under a guard of their own: should
    // the text shorten, no memory of the split is left behind.
    if (!pass.Guard([&] { scanner.Split(begin, count, cuts); }))
        return false;
    const bool counted = pass.Run(count, [&](std::size_t k) {
        CProgressCheckpoint checkpoint(cuts[k], cuts[k + 1], pass.Progress());
        shapes[k] = CountRecords(scanner, cuts[k], cuts[k + 1], [&](const char* p) { return checkpoint.At(p); });
        checkpoint.Report(cuts[k + 1]);
    });
    if (!counted)
        return false;
    pieces.utf8 = std::all_of(shapes.begin(), shapes.end(), [](const RecordCount& c) { return c.utf8; });
    for (std::size_t k = 0; k + 1 < count; ++k) {
        if (shapes[k].reach <= cuts[k + 1])
            continue;
        cuts[k + 1] = shapes[k].reach;
        // Its bytes were reported in the first count, and a cancel now is seen by the next pass.
        shapes[k + 1] = CountRecords(scanner, cuts[k + 1], std::max(cuts[k + 1], cuts[k + 2]),
                                     [](const char*) { return true; });
    }
    return true;
}
