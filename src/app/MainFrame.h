#pragma once
// The main window: menus, toolbar, status bar and the client area with the
// chart windows. Commands go to the frame or to the active chart window.

#include <QMainWindow>

class CChildFrame;
class CDocManager;
class CFrameMenus;
class CMDIClientWnd;
class CRecentFileList;
class CSorvDoc;
class CSorvView;
class CStatusBar;
class CViewPrinter;
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
    QToolBar* GetToolBar() const;
    QStatusBar* GetStatusBar() const;

    // Runs a command of the frame or of the active chart window, if enabled.
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    // Brings every menu, toolbar button and accelerator up to date.
    void UpdateCommandUI();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A maximised chart window adds its title to the frame's; the frame keeps its own.
    void changeEvent(QEvent* event) override;

private:
    bool IsCommandChecked(int id) const;

    CChildFrame* CreateChildFrame(CSorvDoc& doc);
    void OnViewDestroyed(CSorvView* view, CSorvDoc* doc);
    void UpdateChildTitles(const CSorvDoc* doc);
    void UpdateFrameTitle();
    void UpdateRecentFileMenu();
    void OnActivated();

    void OnFileOpen();
    void OnFileClose();
    void OnRecentFile(int index);
    void OnWindowNew();
    void OnAppAbout();
    void OnFileSaveImage();
    void OnChartContextMenu(CSorvView* view, QPoint global);

    CDocManager& m_docs;
    CRecentFileList& m_recent;
    CViewPrinter* m_pPrinter;

    CMDIClientWnd* m_wndMDIClient = nullptr;
    CFrameMenus* m_pMenus;
    CStatusBar* m_wndStatusBar;
};
