#include "app/BatchCommand.h"

#include <cstring>

bool IsBatchCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--export") || !std::strcmp(argv[i], "--info") || !std::strcmp(argv[i], "--dump"))
            return true;
    }
    return false;
}

int RunBatchCommand(int, char**)
{
    return 2;
}
