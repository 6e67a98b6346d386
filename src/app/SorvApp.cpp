#include "app/SorvApp.h"

int RunViewer(int, char**)
{
    return 0;
}
