#include "app/BatchCommand.h"
#include "app/SorvApp.h"

int main(int argc, char** argv)
{
    if (IsBatchCommand(argc, argv))
        return RunBatchCommand(argc, argv);
    return RunViewer(argc, argv);
}
