#include "chart2d/Graph2D.h"

void DrawGraph2D(CDC&, const CSorvDoc&, CPlotSettings&) {}
