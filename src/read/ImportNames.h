#pragma once
// The names and labels an import gives a document: series names and column
// labels from the header or the first cells, and x values from a header.

#include "doc/ColumnLabels.h"
#include "read/ImportConversion.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The name of value k ("" when it has none).
using NameOf = std::function<std::string_view(std::size_t)>;

std::unique_ptr<std::string[]> NameLabels(const NameOf& name, std::size_t n);
CColumnLabels NameColumns(const NameOf& name, std::size_t n);

// Pieces write their column labels from where their raw first cells would
// begin; unquoting and trimming leave gaps that this closes.
CColumnLabels PackColumnLabels(std::unique_ptr<char[]> text, std::unique_ptr<std::size_t[]> ends,
                               const std::vector<RecordCount>& shapes, const std::vector<Tally>& tallies);

// The names of n columns as their x values, when all are numbers or all
// date-times (brought to the clock of the first zone among them).
std::optional<CXValues> NamesAsX(const NameOf& name, std::size_t n, bool decimalComma, std::string xName);
