#pragma once
// The arguments of the batch commands (--export, --info, --dump), read and
// checked before any file is touched.

#include "cli/Export.h"
#include "cli/OptionSummary.h"
#include "cli/ReadArguments.h"
#include "read/ImportOptions.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CSorvDoc;
struct CPlotSettings;

struct BatchOptions {
    enum class Command { Export, Info, Dump };

    // One settings option, applied after the document is read and the view's
    // first update ran; false when the document refuses it (the region).
    struct Change {
        std::string option;  // as given, for the message
        std::function<bool(CSorvDoc&, CPlotSettings&)> apply;
        // Why apply refused it, for the message.
        std::string refusal = "the region was refused (it does not overlap the document's region)";
    };

    Command command = Command::Export;
    std::string output;  // --export OUT
    std::string file;                      // "-": standard input
    ReadChoice read;                       // the reading options given
    ExportPage page;
    std::vector<Change> changes;  // in the order given
};

// Reads argv[1..argc-1]. On a usage error returns false and error names the cause.
bool ParseBatchOptions(int argc, char** argv, BatchOptions& options, std::string& error);

// The usage text printed with a usage error.
const char* BatchUsage();

// The settings options of --export, in the order of the usage text.
std::vector<OptionSummary> ExportOptionSummaries();
