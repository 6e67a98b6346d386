#pragma once
// The main window's menus, toolbar and accelerators, built from the program's
// resources: one action per command, the recent files in the File menus and
// the open windows in the Window menu.

#include "app/AppResources.h"

#include <QObject>

#include <functional>
#include <map>
#include <vector>

class CMDIClientWnd;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

class CFrameMenus : public QObject {
    Q_OBJECT
public:
    // Builds everything into frame, with room for recentCount recent files.
    CFrameMenus(QMainWindow* frame, CMDIClientWnd* client, int recentCount);

    QToolBar* ToolBar() const { return m_wndToolBar; }

    // Menu 129 while a chart window is active, menu 128 otherwise.
    void ShowMenus(bool chart);
    // Enables and checks the action of every command.
    void Update(const std::function<bool(int)>& enabled, const std::function<bool(int)>& checked);
    // The recent files, numbered, or the grayed placeholder when there are none.
    void UpdateRecentFiles(const QStringList& files);

signals:
    // An action of a command, or the entry of a recent file, was chosen.
    void commandChosen(int id);
    void recentFileChosen(int index);
    // A menu is about to open: its items are to be brought up to date.
    void menuAboutToShow();

private:
    QMenu* CreatePopup(const QString& title, const std::vector<MenuItem>& items);
    void AddMenuItem(QMenu* menu, const MenuItem& item);
    void AddRecentFileItems(QMenu* menu);
    void CreateMenus();
    void CreateToolBar();
    void CreateAccelerators();
    QAction* CommandAction(int id, const QString& text);
    // Lists the open chart windows at the end of the window menu, the active one checked.
    void UpdateWindowList();

    QMainWindow* m_pFrame;
    CMDIClientWnd* m_wndMDIClient;
    int m_nRecentCount;
    QToolBar* m_wndToolBar = nullptr;
    std::vector<QMenu*> m_menuMain;   // menu 128
    std::vector<QMenu*> m_menuChart;  // menu 129
    std::multimap<int, QAction*> m_actions;
    std::vector<QAction*> m_recentPlaceholders;
    std::vector<std::vector<QAction*>> m_recentItems;  // per File menu
    QMenu* m_menuWindow = nullptr;
    std::vector<QAction*> m_windowItems;  // the list of windows in m_menuWindow
};
