#include "gfx/DC.h"
#include "chart2d/Axes.h"
