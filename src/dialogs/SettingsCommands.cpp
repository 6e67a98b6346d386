#include "dialogs/SettingsCommands.h"

// Placeholders until the dialogs land.
bool RunAxisCommand(CPlotSettings&) { return false; }
bool RunColorCommand(CPlotSettings&) { return false; }
bool RunTitleCommand(CPlotSettings&, TextEncoding) { return false; }
bool RunLineAttrCommand(CPlotSettings&) { return false; }
bool RunViewCommand(CPlotSettings&) { return false; }
void RunRegionCommand(CSorvDoc&) {}
