#pragma once
// The reader of the row format: on each line a label, then numbers
// separated by commas or blanks.

#include "read/ReadFailure.h"
#include "read/ReadOptions.h"

#include <string>
#include <string_view>

class CSorvDoc;

// Reads a data file ("-": standard input; pipes and FIFOs as streams) into
// doc, which takes its data whole and its base name as the title. On failure,
// cancel included, the document is left empty and failure says why.
bool ReadFile(CSorvDoc& doc, const std::string& path, ReadFailure& failure, const ReadOptions& options = {});
// Reads a text already in memory (a whole file's bytes), with the rules of ReadFile.
bool ReadText(CSorvDoc& doc, std::string_view text, ReadFailure& failure, const ReadOptions& options = {});
