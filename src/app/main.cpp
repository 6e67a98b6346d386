#include "app/SorvApp.h"
#include "cli/BatchCommand.h"

int main(int argc, char** argv)
{
    if (IsBatchCommand(argc, argv))
        return RunBatchCommand(argc, argv);
    return RunViewer(argc, argv);
}
