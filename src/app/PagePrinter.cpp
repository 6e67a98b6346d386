#include "app/PagePrinter.h"

// Placeholder until the QPainter back end lands.
void PrintPage(QPrinter&, const CSorvDoc&, CPlotSettings&, int, int) {}
