#pragma once

class QPrinter;
class CSorvDoc;
struct CPlotSettings;

// Draws the chart window's page on a printer (or the preview's printer):
// the client rectangle fitted to the printable area, in 0.1 mm, with its frame.
void PrintPage(QPrinter& printer, const CSorvDoc& doc, CPlotSettings& s, int clientWidth, int clientHeight);
