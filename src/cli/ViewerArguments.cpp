#include "cli/ViewerArguments.h"

#include <cstring>

int OptionsEnd(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--"))
            return i;
    }
    return argc;
}

ViewerArguments SplitViewerArguments(int argc, char** argv)
{
    ViewerArguments a;
    const int end = OptionsEnd(argc, argv);
    const int firstFile = end < argc ? end + 1 : 1;
    a.toolkit.push_back(argv[0]);
    for (int i = 1; i < end && end < argc; ++i)
        a.toolkit.push_back(argv[i]);
    a.toolkit.push_back(nullptr);
    for (int i = firstFile; i < argc; ++i)
        a.files.emplace_back(argv[i]);
    return a;
}
