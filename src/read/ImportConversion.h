#pragma once
// The conversion of an import's records into the matrix, the labels and the
// x values, one piece of the text at a time; pieces write to disjoint cells.

#include "doc/XValues.h"
#include "read/FieldScanner.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CReadProgress;

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
    // Each column a series: the records each row of the matrix has room for
    // (at least records), so that points appended later need no copy.
    std::uint64_t room = 0;

    std::size_t RecordStride() const { return columns ? 1 : width; }
    std::size_t ValueStride() const { return columns ? RowStride() : 1; }
    // Cells from a row of the matrix to the next.
    std::size_t RowStride() const { return columns ? std::size_t(std::max(records, room)) : width; }
    std::uint64_t Rows() const { return columns ? width : records; }
    std::uint64_t Cols() const { return columns ? records : width; }
};

// The x value of each record, read from one of its cells.
struct XCells {
    static constexpr int kNoZone = INT32_MIN;

    XKind kind = XKind::Number;
    bool decimalComma = false;
    double* values = nullptr;
    int* zones = nullptr;      // date-times: the offset each was written with, kNoZone where none

    void Take(const CFieldScanner& scanner, const Field& f, std::uint64_t record, std::string& scratch) const;
};

// Brings the date-times written with a zone to the clock of the first zone
// among them; those without one stay as written.
void ToFirstZone(double* values, const int* zones, std::size_t count);

// What each cell of a record becomes, for an import that leaves columns out
// or takes x from another column than the first.
struct CellTargets {
    static constexpr int kOut = -1, kX = -2, kLabel = -3;
    std::vector<int> target;   // value index, or one of the above; cells past the last are left out
};

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
    std::string* labelStrings = nullptr;   // ... or one per record, with targets
    const XCells* x = nullptr;          // the leading cell is x
    const CellTargets* targets = nullptr;   // each cell as it says, instead of leading cells and values

    // Converts the records of [begin, end), which the counting pass found to
    // be shape.records from record on, with shape.labelBytes of first cells
    // from labelAt on. It never writes past them.
    Tally Piece(const char* begin, const char* end, const RecordCount& shape, std::uint64_t record,
                std::size_t labelAt, CReadProgress& progress) const;

private:
    Tally Leading(const char* begin, const char* end, const RecordCount& shape, std::uint64_t record,
                  std::size_t labelAt, CReadProgress& progress) const;
    Tally Targeted(const char* begin, const char* end, const RecordCount& shape, std::uint64_t record,
                   CReadProgress& progress) const;
    void TakeLeading(const Field& f, std::uint64_t record, std::size_t& labelAt, std::size_t labelLimit,
                     std::string& scratch) const;
    void TakeCell(int target, const Field& f, std::uint64_t record, double* values, std::string& scratch) const;
    void TakeLabel(const Field& f, std::uint64_t record, std::size_t& labelAt, std::size_t labelLimit,
                   std::string& scratch) const;
};
