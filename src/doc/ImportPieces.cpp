#include "doc/ImportPieces.h"

#include "doc/ParallelRun.h"

#include <algorithm>

// The cuts lie at line starts, so that no UTF-8 sequence spans one; they are
// record starts too unless a quoted cell with line breaks spans one. Then
// the piece before it reaches past the cut: the cut moves to where that
// piece's last record ends, and the piece after it is counted again from there.
ImportPieces CountPieces(const CFieldScanner& scanner, const char* begin, std::size_t count, unsigned threads)
{
    ImportPieces pieces{scanner.Split(begin, count), std::vector<RecordCount>(count)};
    std::vector<const char*>& cuts = pieces.cuts;
    std::vector<RecordCount>& shapes = pieces.shapes;
    RunInParallel(count, threads, [&](std::size_t k) { shapes[k] = scanner.CountRecords(cuts[k], cuts[k + 1]); });
    pieces.utf8 = std::all_of(shapes.begin(), shapes.end(), [](const RecordCount& c) { return c.utf8; });
    for (std::size_t k = 0; k + 1 < count; ++k) {
        if (shapes[k].reach <= cuts[k + 1])
            continue;
        cuts[k + 1] = shapes[k].reach;
        shapes[k + 1] = scanner.CountRecords(cuts[k + 1], std::max(cuts[k + 1], cuts[k + 2]));
    }
    return pieces;
}
