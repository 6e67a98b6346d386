#pragma once
// An option of the command line as the usage text and the manual page show it.

struct OptionSummary {
    const char* name;  // "--size"
    const char* form;  // of its value ("WxH"); null for a switch
    const char* note;  // units and ranges; null if none
};
