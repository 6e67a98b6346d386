#pragma once
// The main window: menus, toolbar, status bar and the client area with the
// chart windows. Commands go to the frame or to the active chart window.

#include "read/ReadRequest.h"

#include <QMainWindow>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>

class CChildFrame;
class CDocLoader;
class CDocManager;
class CFrameMenus;
class CMDIClientWnd;
class CReadProgressPane;
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

    // Opens path ("-": standard input) as a new document in a new chart
    // window, or shows the window of the document already open. A file that
    // the importer should read offers the import dialog with what was
    // detected; the rest is read at once. Reading runs in a worker thread and
    // the window comes when it is done; a file that cannot be read is
    // reported then. False when nothing was started.
    bool OpenDocumentFile(const QString& path);
    // Reads request into a new document, without asking.
    void OpenDocument(const ReadRequest& request, bool fromRecentList = false);
    // Offers the import dialog for path whatever it holds.
    void ImportDocumentFile(const QString& path);
    // Reads doc's file again with the options it was opened with: whole, or
    // (append) by the lines it appended when it only grew. Every window of it
    // keeps its settings; a read that fails keeps the data and says why in
    // the status bar.
    void ReloadDocument(CSorvDoc* doc, bool append = false);
    // True while a file is being read.
    bool IsReading() const;
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

    // Shows the window of the document read from path, if one is open.
    bool ShowOpenDocument(const QString& path);
    void OnFileOpen();
    void OnFileImport();
    // The Open dialog, remembering its folder; chosen(path) for each file taken.
    void ChooseFiles(const QString& title, const std::function<void(const QString&)>& chosen);
    // Takes the finished reads of new documents in the order they were asked for.
    void FinishOpening();
    void OnReadFinished(CDocLoader* loader, bool fromRecentList);
    void OnReloadFinished(CDocLoader* loader, CSorvDoc* doc);
    void OnAutoUpdate();
    // Follows the latest data with the region's width (every column when the
    // region is the whole matrix), or stops following.
    void OnFollowLatest();
    // The first bytes of a regular file, for detection; empty for anything else.
    static std::string FileHead(const QString& path);
    void ShowImportDialog(const QString& path, const std::string& head);
    // Says in the status bar what the read of name got past.
    void ShowReadWarnings(const QString& name, const ReadOutcome& outcome);
    void OnFileClose();
    void ShowDrawing(const CSorvView* view, const QString& text);
    void OnRecentFile(int index);
    void OnWindowNew();
    void OnAppAbout();
    void OnFileSaveImage();
    void OnEditCopy(const CSorvView* view);
    void OnChartContextMenu(CSorvView* view, QPoint global);

    CDocManager& m_docs;
    CRecentFileList& m_recent;
    CViewPrinter* m_pPrinter;

    CMDIClientWnd* m_wndMDIClient = nullptr;
    CFrameMenus* m_pMenus;
    CStatusBar* m_wndStatusBar;
    CReadProgressPane* m_pReadPane;
    // The reads of new documents in flight, oldest first, and whether each came from the recent files.
    std::deque<std::pair<CDocLoader*, bool>> m_opening;
    // The reload in flight of each document, and those to read again after it.
    std::map<CSorvDoc*, CDocLoader*> m_reloads;
    std::map<CSorvDoc*, bool> m_reloadAgain;   // read again after the read in flight; by appended lines?
};
