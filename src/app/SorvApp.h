#pragma once
// The application: start-up of the viewer and what lives as long as it does
// (documents, recent files, the printer, the main window).

#include "cli/ReadArguments.h"

#include <QStringList>

#include <memory>
#include <optional>

class CDocManager;
class CMainFrame;
class CRecentFileList;
class QPrinter;

class CSorvApp {
public:
    CSorvApp();
    ~CSorvApp();
    CSorvApp(const CSorvApp&) = delete;
    CSorvApp& operator=(const CSorvApp&) = delete;

    // Start-up after the QApplication exists: settings, recent files,
    // documents, main window, show, then the files named on the command line
    // ("-": standard input), read as the reading options ask when they were
    // given; with follow, each follows its last follow columns (--follow).
    void InitInstance(const QStringList& files, const ReadChoice& read = {}, std::optional<int> follow = {});

    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }
    CDocManager& GetDocManager() const { return *m_pDocManager; }
    CRecentFileList& GetRecentFiles() const { return *m_pRecentFiles; }
    QPrinter& GetPrinter() const { return *m_pPrinter; }

private:
    std::unique_ptr<CRecentFileList> m_pRecentFiles;
    std::unique_ptr<CDocManager> m_pDocManager;
    std::unique_ptr<QPrinter> m_pPrinter;
    // Last: the windows go before the documents they show.
    std::unique_ptr<CMainFrame> m_pMainFrame;
};

// Starts the viewer: the main window, the files named on the command line,
// the event loop. Returns the exit status.
int RunViewer(int argc, char** argv);
