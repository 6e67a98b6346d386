#pragma once
// Data that extends other data by the lines appended to its file: new rows
// (each line a series) or new columns (each line a point). The storage of
// the data extended is shared when it has room and the data keeps all it
// had; its cells are never written, only the room after them. So only the
// newest data of a storage may be extended, which the one reader of a file
// at a time ensures.

#include "doc/ValueRange.h"

#include <memory>

class CDocData;

// What an append keeps of the old data: its first rows or columns (all, or
// all but a last one read from a line not yet ended), and their range and
// missing cells.
struct KeptData {
    int count = 0;
    ValueRange range;
    int missing = 0;
};

// old's first kept.count rows, then piece's rows. Rows are padded to the
// wider of the two with pad (0 for the default reader, NaN for an import:
// then counted missing); a padding 0 takes part in the range. Null when the
// matrix would hold more than INT_MAX cells or rows.
std::shared_ptr<CDocData> WithRowsAppended(const CDocData& old, const KeptData& kept, const CDocData& piece,
                                           double pad, ValueRange& range);

// Each row of old with its first kept.count columns, then piece's columns
// of that row; rows piece lacks get NaN, counted missing. piece's x values
// follow old's. Null when the matrix would hold more than INT_MAX cells or
// piece has more rows than old.
std::shared_ptr<CDocData> WithColumnsAppended(const CDocData& old, const KeptData& kept, const CDocData& piece,
                                              ValueRange& range);

// The range and missing cells of the first rows (byRows) or columns of data.
KeptData KeptPart(const CDocData& data, int count, bool byRows, bool countMissing);
