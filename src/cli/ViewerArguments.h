#pragma once
// The viewer's command line: what Qt sees and which files to open. Qt parses
// only the arguments written before a lone "--" (its own options, such as
// -style or -platform); without "--" it sees the program name alone, so that
// no file name and no option value is ever taken as one of Qt's options.

#include <string>
#include <vector>

struct ViewerArguments {
    // The program name, then the arguments before "--"; ends with a null
    // pointer, which the count of arguments leaves out.
    std::vector<char*> toolkit;
    std::vector<std::string> files;  // every argument after "--" (all of them without it)

    int ToolkitCount() const { return int(toolkit.size()) - 1; }
};

ViewerArguments SplitViewerArguments(int argc, char** argv);

// The index of the first lone "--" in argv[1..argc-1], argc if there is none.
int OptionsEnd(int argc, char** argv);
