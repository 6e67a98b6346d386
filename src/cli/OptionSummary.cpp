#include "cli/OptionSummary.h"

std::string UsageLines(const std::vector<OptionSummary>& options)
{
    std::string text;
    std::string line;
    for (const OptionSummary& o : options) {
        line += line.empty() ? "  " : "   ";
        line += o.name;
        if (o.form)
            line = line + " " + o.form;
        if (o.note)
            line = line + " (" + o.note + ")";
        if (o.endsLine) {
            text += line + "\n";
            line.clear();
        }
    }
    return line.empty() ? text : text + line + "\n";
}
