#include "doc/ImportPieces.h"

#include "doc/FieldScanner.h"
#include "doc/ParallelRun.h"
#include "doc/Utf8.h"

#include <algorithm>

namespace {

PieceShape CountPiece(const CFieldScanner& scanner, const char* begin, const char* end)
{
    PieceShape shape;
    shape.reach = begin;
    for (const char* p = scanner.NextRecord(begin); p < end; p = scanner.NextRecord(p)) {
        std::size_t cells = 0, firstBytes = 0;
        p = shape.reach = scanner.Count(p, cells, firstBytes);
        ++shape.records;
        shape.widest = std::max(shape.widest, cells);
        shape.labelBytes += firstBytes;
    }
    return shape;
}

} // namespace

// The cuts lie at line starts, so that no UTF-8 sequence spans one; they are
// record starts too unless a quoted cell
// with line breaks spans one. Then the piece before it reaches past the cut:
// the cut moves to where that piece's last record ends, and the piece after
// it is counted again from there.
ImportPieces CountPieces(const CFieldScanner& scanner, const char* begin, std::size_t count, unsigned threads)
{
    ImportPieces pieces{scanner.Split(begin, count), std::vector<PieceShape>(count)};
    std::vector<const char*>& cuts = pieces.cuts;
    std::vector<PieceShape>& shapes = pieces.shapes;
    std::vector<char> utf8(count);
    RunInParallel(count, threads, [&](std::size_t k) {
        shapes[k] = CountPiece(scanner, cuts[k], cuts[k + 1]);
        utf8[k] = IsValidUtf8(cuts[k], std::size_t(cuts[k + 1] - cuts[k]));
    });
    pieces.utf8 = std::all_of(utf8.begin(), utf8.end(), [](char valid) { return valid; });
    for (std::size_t k = 0; k + 1 < count; ++k) {
        if (shapes[k].reach <= cuts[k + 1])
            continue;
        cuts[k + 1] = shapes[k].reach;
        shapes[k + 1] = CountPiece(scanner, cuts[k + 1], std::max(cuts[k + 1], cuts[k + 2]));
    }
    return pieces;
}
