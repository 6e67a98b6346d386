#pragma once
// The settings commands of a chart window: each copies settings into its
// dialog, runs it modally and copies them back only on OK. The dialog opens
// over owner (the window of the chart, if given), centred on it and in front of it.

#include "gfx/TextEncoding.h"

class CDocSnapshot;
class CSorvDoc;
class QWidget;
struct CPlotSettings;

// Axis dialog; true on OK (the caller repaints).
bool RunAxisCommand(CPlotSettings& s, bool hTime = false, QWidget* owner = nullptr);
// Color dialog; true on OK.
bool RunColorCommand(CPlotSettings& s, QWidget* owner = nullptr);
// Title dialog; the title is kept as bytes in the document's encoding. True on OK.
bool RunTitleCommand(CPlotSettings& s, TextEncoding encoding, QWidget* owner = nullptr);
// Line Attributes dialog; true on OK (the caller repaints only the line chart).
bool RunLineAttrCommand(CPlotSettings& s, QWidget* owner = nullptr);
// Angle dialog; on OK stores scales and model and calls SetRotation. True on OK.
bool RunViewCommand(CPlotSettings& s, QWidget* owner = nullptr);
// Area dialog of the document; on OK calls SetRegion, which redraws every view.
// The Series dialog: the series' styles, the palette, plain markers and the
// right V axis's range; the V axes that followed the series shown on them
// follow them still.
bool RunSeriesCommand(CPlotSettings& s, const CDocSnapshot& doc, QWidget* owner = nullptr);
void RunRegionCommand(CSorvDoc& doc, QWidget* owner = nullptr);
