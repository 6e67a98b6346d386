#pragma once
// Guesses from a file's first lines how it is to be imported, and whether it
// needs the import dialog or is in the row format that the default reader reads.

#include "doc/ImportBody.h"
#include "doc/ImportOptions.h"

#include <string_view>

struct ImportDetection {
    ImportOptions options;          // the delimiter resolved; skip and comment as given
    LineEnd lineEnd = LineEnd::Lf;
    bool quoted = false;            // a cell of the first lines is in quotes
    bool needsDialog = false;       // the default reader would not read the file as meant
};

// Looks at the first 50 records of text, within kDetectionWindow bytes after
// the lines that given skips. A delimiter given (not Auto) is kept; the rest is detected.
ImportDetection DetectImport(std::string_view text, const ImportOptions& given = {});

// The delimiter that splits the first lines into equal numbers of cells.
ImportDelimiter DetectDelimiter(const ImportBody& body, char comment);

// The start of text that detection looks at, cut after a line end: what the
// dialog's preview imports.
std::string_view DetectionPrefix(std::string_view text);
