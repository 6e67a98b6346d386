#include "chart3d/Graph3D.h"

void DrawGraph3D(CDC&, const CSorvDoc&, CPlotSettings&) {}
