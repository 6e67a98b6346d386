#include "read/ReadRequest.h"

#include "doc/SorvDoc.h"
#include "read/ImportDetect.h"
#include "read/RowReader.h"
#include "read/SystemMemory.h"
#include "read/TextSource.h"

namespace {

// What the importer says, after it read (ok) or failed.
bool TakeOutcome(const CImporter& importer, bool ok, ReadOutcome& outcome)
{
    if (!ok) {
        outcome.failure = importer.GetFailure();
        return false;
    }
    outcome.warnings = importer.GetWarnings();
    outcome.used = importer.GetOptions();
    return true;
}

bool Import(std::string_view text, const ImportOptions& o, CSorvDoc& doc, const ReadOptions& options,
            ReadOutcome& outcome)
{
    CImporter importer(o, 0, options.threads);
    return TakeOutcome(importer, importer.Import(text, doc, options), outcome);
}

// The options detected, the first column's role decided on the whole text.
ImportOptions Detected(std::string_view text)
{
    ImportOptions o = DetectImport(text).options;
    o.firstColumn = FirstColumn::Auto;
    return o;
}

// The options with which the importer reads a text that the default reader
// refused, each column a series or each line; none when it cannot either.
std::optional<ImportOptions> ImportableAs(std::string_view text, const ReadOptions& options)
{
    ImportOptions o = Detected(text);
    for (const bool columns : {o.columns, !o.columns}) {
        o.columns = columns;
        CSorvDoc trial;
        ReadOutcome outcome;
        if (Import(text, o, trial, {.threads = options.threads, .availableMemory = options.availableMemory}, outcome))
            return outcome.used;
    }
    return std::nullopt;
}

bool ReadWhole(const std::string& path, std::string_view text, bool detect, CSorvDoc& doc, const ReadOptions& options,
              ReadOutcome& outcome)
{
    if (detect && DetectImport(text).needsDialog) {
        outcome.detected = Import(text, Detected(text), doc, options, outcome);
        if (outcome.detected)
            doc.SetTitle(DocumentTitle(path));
        return outcome.detected;
    }
    if (ReadText(doc, text, outcome.failure, options)) {
        doc.SetTitle(DocumentTitle(path));
        return true;
    }
    if (outcome.failure.code == ReadError::TooFewCells)
        outcome.importable = ImportableAs(text, options);
    return false;
}

} // namespace

bool ReadDocument(const ReadRequest& request, CSorvDoc& doc, const ReadOptions& options, ReadOutcome& outcome)
{
    outcome = {};
    CTextSource source;
    const std::uint64_t memory = options.availableMemory ? options.availableMemory : AvailableMemory();
    if (!source.Open(request.path, options.progress, memory, outcome.failure))
        return false;
    bool ok = false;
    if (request.import) {
        ok = Import(source.Text(), *request.import, doc, options, outcome);
        if (ok)
            doc.SetTitle(DocumentTitle(request.path));
    } else {
        ok = ReadWhole(request.path, source.Text(), request.detect, doc, options, outcome);
    }
    if (ok && options.markEnd && request.path != "-") {
        const bool firstFound = !request.import || request.import->firstColumn == FirstColumn::Auto;
        outcome.mark = MarkAfterRead(source, *doc.SharedData(), outcome.used, firstFound, outcome.warnings);
    }
    return ok;
}
