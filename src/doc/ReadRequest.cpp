#include "doc/ReadRequest.h"

#include "doc/SorvDoc.h"

bool ReadDocument(const ReadRequest& request, CSorvDoc& doc, const ReadOptions& options, ReadOutcome& outcome)
{
    outcome = {};
    if (!request.import) {
        std::string error;
        const bool ok = doc.ReadFile(request.path, error, options);
        outcome.failure = doc.GetReadFailure();
        return ok;
    }
    CImporter importer(*request.import, 0, options.threads);
    if (!importer.ImportFile(request.path, doc, options)) {
        outcome.failure = importer.GetFailure();
        return false;
    }
    outcome.warnings = importer.GetWarnings();
    outcome.used = importer.GetOptions();
    return true;
}
