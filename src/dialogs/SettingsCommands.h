#pragma once
// The settings commands of a chart window: each copies settings into its
// dialog, runs it modally and copies them back only on OK.

#include "gfx/TextEncoding.h"

class CSorvDoc;
struct CPlotSettings;

// Axis dialog; true on OK (the caller repaints).
bool RunAxisCommand(CPlotSettings& s);
// Color dialog; true on OK.
bool RunColorCommand(CPlotSettings& s);
// Title dialog; the title is kept as bytes in the document's encoding. True on OK.
bool RunTitleCommand(CPlotSettings& s, TextEncoding encoding);
// Line Attributes dialog; true on OK (the caller repaints only the line chart).
bool RunLineAttrCommand(CPlotSettings& s);
// Angle dialog; on OK stores scales and model and calls SetRotation. True on OK.
bool RunViewCommand(CPlotSettings& s);
// Area dialog of the document; on OK calls SetRegion, which redraws every view.
void RunRegionCommand(CSorvDoc& doc);
