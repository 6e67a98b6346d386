#pragma once
// Where a document comes from and how it is read: a file ("-": standard
// input) read by the default reader, or by the importer with its options.

#include "doc/ImportOptions.h"
#include "doc/Importer.h"
#include "doc/ReadFailure.h"
#include "doc/ReadOptions.h"

#include <optional>
#include <string>
#include <vector>

class CSorvDoc;

struct ReadRequest {
    std::string path;
    std::optional<ImportOptions> import;   // none: the default reader
};

// What a read says beside the document.
struct ReadOutcome {
    ReadFailure failure;                   // code None after a successful read
    std::vector<ImportWarning> warnings;
    std::optional<ImportOptions> used;     // the import options as resolved (delimiter, header ...)
};

// Reads the request into doc; on failure doc holds no data and outcome.failure says why.
bool ReadDocument(const ReadRequest& request, CSorvDoc& doc, const ReadOptions& options, ReadOutcome& outcome);
