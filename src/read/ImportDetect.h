#pragma once
// Guesses from a file's first lines how it is to be imported, and whether it
// needs the import dialog or is in the row format that the default reader reads.

#include "read/ImportBody.h"
#include "read/ImportOptions.h"

#include <string>
#include <string_view>
#include <vector>

class CFieldScanner;

struct ImportDetection {
    ImportOptions options;          // all resolved; skip and comment as given
    LineEnd lineEnd = LineEnd::Lf;
    bool quoted = false;            // a cell of the first lines is in quotes
    bool needsDialog = false;       // the default reader would not read the file as meant
};

// Looks at the first 50 records of text, within kDetectionWindow bytes after
// the lines that given skips, and at the first column over the whole text.
// A delimiter given (not Auto) is kept; the rest is detected.
ImportDetection DetectImport(std::string_view text, const ImportOptions& given = {});

// The delimiter that splits the first lines into equal numbers of cells.
ImportDelimiter DetectDelimiter(const ImportBody& body, char comment);

// The cells of a line of the table: of the first record, or of the first
// line when every line begins with the comment character; 0 for none.
std::size_t TableCells(const ImportBody& body, ImportDelimiter delimiter, char comment, const char* end);

// A header written as a comment line directly above the record at record
// (as numpy's savetxt writes it): its names, as many as the record has
// cells and not all numbers; none otherwise.
std::vector<std::string> CommentHeader(const CFieldScanner& scanner, const ImportBody& body, const char* record,
                                       char comment);
