#pragma once
// Which cells of a record an import reads and what each becomes: the
// columns picked, the first of them in its role, x from a column.

#include "read/ImportConversion.h"
#include "read/ImportOptions.h"
#include "read/ReadFailure.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct ImportColumns {
    FirstColumn first = FirstColumn::Labels;   // the role taken: Data, Labels, Skip or X
    bool firstDetected = false;                // ... as the file showed it
    int xCell = -1;                            // the cell that holds x, if any
    XKind xKind = XKind::Number;
    std::size_t offset = 0;                    // without targets: cells before the values
    std::optional<CellTargets> targets;        // none: a leading cell (or none), then values
    std::vector<std::size_t> valueCells;       // with targets: the cell of each value
    std::size_t values = 0;                    // value cells of the widest record

    // The header's name of value k ("" when it has none).
    std::string_view ValueName(const std::vector<std::string>& names, std::size_t k) const;
};

// Settles the columns of records from begin on, the widest having widest
// cells, against the header's names. False with the failure when the
// options name a column the file lacks or x that it does not hold.
bool ResolveColumns(const ImportOptions& o, const CFieldScanner& scanner, const char* begin,
                    const std::vector<std::string>& names, std::size_t widest, ImportColumns& columns,
                    ReadFailure& failure);
