#pragma once
// The main window: menus, toolbar, status bar and the client area with the
// chart windows. Commands go to the frame or to the active chart window.

#include <QMainWindow>

#include <map>
#include <vector>

#include "app/AppResources.h"

class CChildFrame;
class CDocManager;
class CMDIClientWnd;
class CRecentFileList;
class CSorvDoc;
class CSorvView;
class CViewPrinter;
class QLabel;
class QMenu;
class QPrinter;
class QStatusBar;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CDocManager& docs, CRecentFileList& recent, QPrinter& printer);
    ~CMainFrame() override;

    // Opens path as a new document in a new chart window (or shows the window
    // of the document already open); a file that cannot be read is reported.
    bool OpenDocumentFile(const QString& path);
    CSorvView* GetActiveView() const;
    CMDIClientWnd* GetMDIClient() const { return m_wndMDIClient; }
    QToolBar* GetToolBar() const { return m_wndToolBar; }
    QStatusBar* GetStatusBar() const { return m_wndStatusBar; }

    // Runs a command of the frame or of the active chart window, if enabled.
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    // Brings every menu, toolbar button and accelerator up to date.
    void UpdateCommandUI();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    QMenu* CreatePopup(const QString& title, const std::vector<MenuItem>& items);
    void AddMenuItem(QMenu* menu, const MenuItem& item);
    void AddRecentFileItems(QMenu* menu);
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    QAction* CommandAction(int id, const QString& text);

    CChildFrame* CreateChildFrame(CSorvDoc& doc);
    void OnViewDestroyed(CSorvView* view, CSorvDoc* doc);
    void UpdateChildTitles(const CSorvDoc* doc);
    void UpdateFrameTitle();
    void UpdateMenuBar();
    void UpdateRecentFileMenu();
    // Lists the open chart windows at the end of the window menu, the active one checked.
    void UpdateWindowList();
    void UpdateIndicators();
    void OnActivated();

    void OnFileOpen();
    void OnFileClose();
    void OnRecentFile(int index);
    void OnWindowNew();
    void OnAppAbout();

    CDocManager& m_docs;
    CRecentFileList& m_recent;
    CViewPrinter* m_pPrinter;

    QStatusBar* m_wndStatusBar;
    QToolBar* m_wndToolBar;
    CMDIClientWnd* m_wndMDIClient;

    std::vector<QMenu*> m_menuMain;   // menu 128
    std::vector<QMenu*> m_menuChart;  // menu 129
    std::multimap<int, QAction*> m_actions;
    std::vector<QAction*> m_recentPlaceholders;
    std::vector<std::vector<QAction*>> m_recentItems;  // per File menu
    QMenu* m_menuWindow = nullptr;
    std::vector<QAction*> m_windowItems;  // the list of windows in m_menuWindow
    QLabel* m_indicators[4] = {};
};
