#pragma once
// The toolbar's pictures (16 x 15, drawn at several pixel ratios so they stay
// crisp on high-density screens) and the program's icon.

#include <QIcon>

// The picture of a toolbar command; a null icon for a command without one.
QIcon ToolbarIcon(int id);
// The program's icon (also the icon of the About box and of chart windows).
QIcon AppIcon();
