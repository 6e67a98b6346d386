#pragma once
// Where a document comes from and how it is read: a file ("-": standard
// input) read by the default reader, or by the importer with its options.

#include "read/ImportOptions.h"
#include "read/Importer.h"
#include "read/ReadFailure.h"
#include "read/ReadMark.h"
#include "read/ReadOptions.h"

#include <optional>
#include <string>
#include <vector>

class CSorvDoc;

struct ReadRequest {
    std::string path;
    std::optional<ImportOptions> import;   // none: the default reader
    // Without import options: a text that the viewer would offer the import
    // dialog for is imported with the options detected, the rest read by the
    // default reader.
    bool detect = false;
};

// What a read says beside the document.
struct ReadOutcome {
    ReadFailure failure;                   // code None after a successful read
    std::vector<ImportWarning> warnings;
    std::optional<ImportOptions> used;     // the import options as resolved (delimiter, header ...)
    bool detected = false;                 // the importer read it with the options detected
    // The default reader refused the text, which the importer reads with these.
    std::optional<ImportOptions> importable;
    // Where the read stopped, for the lines the file may have appended later.
    ReadMark mark;
};

// Reads the request into doc; on failure doc holds no data (or, for an
// import, what it held) and outcome.failure says why.
bool ReadDocument(const ReadRequest& request, CSorvDoc& doc, const ReadOptions& options, ReadOutcome& outcome);
