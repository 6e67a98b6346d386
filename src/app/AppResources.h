#pragma once
// The program's menus, toolbar, accelerators and command prompts as data.
// Texts are kept as written in the sources (Japanese); AppText shows them in
// the language of the user interface.

#include <QKeySequence>
#include <QString>
#include <QStringList>
#include <vector>

// One item of a popup menu: a command (text, "\t" before the key hint), a
// separator (id 0, empty text) or a submenu (id 0, its own items).
struct MenuItem {
    int id = 0;
    const char* text = "";
    std::vector<MenuItem> submenu;
};

struct MenuPopup {
    const char* title = "";
    std::vector<MenuItem> items;
};

struct Accelerator {
    QKeySequence key;
    int id = 0;
};

// Menu 128: the main frame while no chart window is open.
const std::vector<MenuPopup>& MainFrameMenu();
// Menu 129: while a chart window is active.
const std::vector<MenuPopup>& ChartMenu();
// The toolbar's items in order; 0 is a separator.
const std::vector<int>& ToolbarCommands();
const std::vector<Accelerator>& Accelerators();
// The items of a chart window's context menu in order; 0 is a separator.
const std::vector<int>& ChartContextMenuCommands();
// The item of command id among items and their submenus, or nullptr.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& items, int id);
// A text of the menus, in the language of the user interface.
QString AppText(const char* text);
// The text of command id in menu 129 (empty when it has no item there).
QString ChartMenuText(int id);
// The status-bar prompt and the tool tip of a command (empty when it has none),
// in the language of the user interface.
QString CommandPrompt(int id);
QString CommandToolTip(int id);

// Strings of the application, in the language of the user interface.
QString AppTitle();         // "Sorv"
QString IdleStatusText();   // "Ready"
QString OpenDialogTitle();  // "開く"
// The Open dialog's filters in the toolkit's syntax, and as the filter box shows them.
QStringList OpenDialogFilters();
QStringList OpenDialogFilterNames();
QString RecentFilePlaceholder();
