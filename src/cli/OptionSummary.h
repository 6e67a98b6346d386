#pragma once
// An option of the command line as the usage text and the manual page show it.

#include <string>
#include <vector>

struct OptionSummary {
    const char* name;  // "--size"
    const char* form;  // of its value ("WxH"); null for a switch
    const char* note;  // units and ranges; null if none
    bool endsLine = false;  // the usage text goes on on the next line
};

// The options as the usage text lists them: "--name FORM (note)" three
// blanks apart, indented by two, a line ending where an option says so.
std::string UsageLines(const std::vector<OptionSummary>& options);
