#pragma once
// The columns an import reads, as the command line, the dialog and the
// recent-file list write them: "1,3-5,7-,temp", numbers from 1 (as cut
// counts them), ranges, ranges to the last column and header names.

#include "read/ImportOptions.h"
#include "read/ReadFailure.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// False for an empty list, an empty entry, a 0 or a range that runs backwards.
bool ParseColumnPicks(std::string_view text, std::vector<ColumnPick>& picks);
std::string FormatColumnPicks(const std::vector<ColumnPick>& picks);

// Which of count columns the picks read (all when there are none); names
// are looked up among the header's cells. False with the failure when a
// pick names a column the file does not have.
bool ResolveColumnPicks(const std::vector<ColumnPick>& picks, const std::vector<std::string>& names,
                        std::size_t count, std::vector<char>& used, ReadFailure& failure);
