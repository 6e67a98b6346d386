#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/AppResources.h"
#include "app/ChartContextMenu.h"
#include "app/ChartImage.h"
#include "app/ChildFrame.h"
#include "app/CursorReadout.h"
#include "app/DocLoader.h"
#include "app/DocManager.h"
#include "app/FrameMenus.h"
#include "app/MDIClientWnd.h"
#include "app/ReadProgressPane.h"
#include "app/RecentFileList.h"
#include "app/SaveImageDialog.h"
#include "app/SorvView.h"
#include "app/StatusBar.h"
#include "app/ToolbarArt.h"
#include "app/ViewPrinter.h"
#include "doc/SorvDoc.h"
#include "settings/CommandIds.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

using namespace CommandId;

namespace {

// How long a notice about the chart stays in the status bar.
constexpr int kNoticeMs = 10000;

// The local files among the URLs of a drag.
QStringList LocalFiles(const QMimeData* mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

bool NeedsChartWindow(int id)
{
    switch (id) {
    case FileClose: case FilePrint: case FilePrintDirect: case FilePrintPreview: case FileSaveImage: case EditCopy:
    case FileReload: case FileAutoUpdate: case ViewFollowLatest:
    case WindowNew: case WindowArrange: case WindowCascade: case WindowTileHorz: case WindowTileVert:
    case WindowClose:
        return true;
    default:
        return CSorvView::HandlesCommand(id);
    }
}

}  // namespace

CMainFrame::CMainFrame(CDocManager& docs, CRecentFileList& recent, QPrinter& printer)
    : m_docs(docs), m_recent(recent), m_pPrinter(new CViewPrinter(printer, this))
{
    setWindowTitle(AppTitle());
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    m_wndMDIClient = new CMDIClientWnd(this);
    setCentralWidget(m_wndMDIClient);
    connect(m_wndMDIClient, &QMdiArea::subWindowActivated, this, &CMainFrame::OnActivated);

    m_pMenus = new CFrameMenus(this, m_wndMDIClient, m_recent.Size());
    connect(m_pMenus, &CFrameMenus::commandChosen, this, &CMainFrame::OnCommand);
    connect(m_pMenus, &CFrameMenus::recentFileChosen, this, &CMainFrame::OnRecentFile);
    connect(m_pMenus, &CFrameMenus::menuAboutToShow, this, &CMainFrame::UpdateCommandUI);
    m_wndStatusBar = new CStatusBar(this);
    setStatusBar(m_wndStatusBar);
    m_pReadPane = new CReadProgressPane(m_wndStatusBar);
    m_wndStatusBar->addWidget(m_pReadPane);
    connect(m_pReadPane, &CReadProgressPane::idle, this, &CMainFrame::UpdateCommandUI);
    m_docs.m_fnFileChanged = [this](CSorvDoc* doc) { ReloadDocument(doc, true); };
    m_pMenus->ShowMenus(false);
    UpdateRecentFileMenu();
    UpdateCommandUI();

    // Three quarters of the screen, yet wide enough for the whole toolbar
    // where the screen allows (on large scale factors three quarters is not).
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableSize();
        QSize size = available * 3 / 4;
        size.setWidth(std::min(std::max(size.width(), GetToolBar()->sizeHint().width()), available.width()));
        resize(size);
    }
}

CMainFrame::~CMainFrame()
{
    // Chart windows go first (also closed ones awaiting deletion), while the
    // frame can still forget them.
    for (CChildFrame* child : m_wndMDIClient->findChildren<CChildFrame*>())
        delete child;
}

QToolBar* CMainFrame::GetToolBar() const
{
    return m_pMenus->ToolBar();
}

QStatusBar* CMainFrame::GetStatusBar() const
{
    return m_wndStatusBar;
}

// ---- command routing and the state of menus and buttons ----

CSorvView* CMainFrame::GetActiveView() const
{
    auto* child = qobject_cast<CChildFrame*>(m_wndMDIClient->activeSubWindow());
    return child ? child->GetView() : nullptr;
}

bool CMainFrame::IsCommandEnabled(int id) const
{
    const CSorvView* view = GetActiveView();
    if (CSorvView::HandlesCommand(id))
        return view && view->IsCommandEnabled(id);
    if (id == FileCancelRead)
        return IsReading();
    // Standard input cannot be read again.
    if (id == FileReload || id == FileAutoUpdate || id == ViewFollowLatest)
        return view && m_docs.GetRequest(&view->GetDocument())->path != "-";
    return view || !NeedsChartWindow(id);
}

void CMainFrame::OnCommand(int id)
{
    if (!IsCommandEnabled(id))
        return;
    CSorvView* view = GetActiveView();
    switch (id) {
    case FileOpen: OnFileOpen(); break;
    case FileImport: OnFileImport(); break;
    case FileReload: ReloadDocument(&view->GetDocument()); break;
    case FileAutoUpdate: OnAutoUpdate(); break;
    case ViewFollowLatest: OnFollowLatest(); break;
    case FileCancelRead: m_pReadPane->CancelAll(); break;
    case FileClose: OnFileClose(); break;
    case FilePrintSetup: m_pPrinter->PageSetup(); break;
    case FilePrint: m_pPrinter->Print(view, true); break;
    case FilePrintDirect: m_pPrinter->Print(view, false); break;
    case FilePrintPreview: m_pPrinter->Preview(view); break;
    case FileSaveImage: OnFileSaveImage(); break;
    case EditCopy: OnEditCopy(view); break;
    case WindowNew: OnWindowNew(); break;
    case WindowClose: m_wndMDIClient->closeActiveSubWindow(); break;
    case WindowCascade: m_wndMDIClient->Cascade(); break;
    case WindowTileHorz: m_wndMDIClient->TileStacked(); break;
    case WindowTileVert: m_wndMDIClient->TileSideBySide(); break;
    case WindowArrange: m_wndMDIClient->ArrangeIcons(); break;
    case AppAbout: OnAppAbout(); break;
    case AppExit: close(); break;
    case ViewToolbar: GetToolBar()->setVisible(GetToolBar()->isHidden()); break;
    case ViewStatusBar: m_wndStatusBar->setVisible(m_wndStatusBar->isHidden()); break;
    default:
        if (view)
            view->OnCommand(id);
        break;
    }
    UpdateCommandUI();
}

bool CMainFrame::IsCommandChecked(int id) const
{
    if (id == ViewToolbar)
        return !GetToolBar()->isHidden();
    if (id == ViewStatusBar)
        return !m_wndStatusBar->isHidden();
    const CSorvView* view = GetActiveView();
    if (id == FileAutoUpdate)
        return view && m_docs.IsAutoUpdate(&view->GetDocument());
    if (id == ViewFollowLatest)
        return view && m_docs.IsFollowing(&view->GetDocument());
    return view && view->IsCommandChecked(id);
}

void CMainFrame::UpdateCommandUI()
{
    m_pMenus->Update([this](int id) { return IsCommandEnabled(id); }, [this](int id) { return IsCommandChecked(id); });
}

void CMainFrame::UpdateRecentFileMenu()
{
    m_pMenus->UpdateRecentFiles(m_recent.Files());
}

// "surface.csv - Sorv": the active document first, named once.
void CMainFrame::UpdateFrameTitle()
{
    const CSorvView* view = GetActiveView();
    if (view)
        setWindowTitle(QString::fromStdString(view->GetDocument().GetTitle()) + " - " + AppTitle());
    else
        setWindowTitle(AppTitle());
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && m_wndMDIClient)
        UpdateFrameTitle();
}

// Several windows of one document are told apart as "name:1", "name:2", ...
void CMainFrame::UpdateChildTitles(const CSorvDoc* doc)
{
    const std::vector<CSorvView*> views = m_docs.GetViews(doc);
    for (int i = 0; i < int(views.size()); ++i) {
        QString title = QString::fromStdString(doc->GetTitle());
        if (views.size() > 1)
            title += QStringLiteral(":%1").arg(i + 1);
        if (QWidget* frame = views[i]->parentWidget())
            frame->setWindowTitle(title);
    }
}

void CMainFrame::OnActivated()
{
    m_pMenus->ShowMenus(GetActiveView() != nullptr);
    UpdateFrameTitle();
    UpdateCommandUI();
}

// ---- documents and windows ----

CChildFrame* CMainFrame::CreateChildFrame(CSorvDoc& doc)
{
    auto* view = new CSorvView(doc);
    // A column file is a set of series over time.
    const ReadRequest* request = m_docs.GetRequest(&doc);
    if (request && request->import && request->import->columns)
        view->Settings().m_nGraphType = 1;
    auto* child = new CChildFrame(view);
    m_docs.AddView(&doc, view);
    connect(view, &CSorvView::commandDone, this, &CMainFrame::UpdateCommandUI);
    connect(view, &CSorvView::cursorMoved, this,
            [this, view](QPoint p) { m_wndStatusBar->showMessage(CCursorReadout::Text(*view, p)); });
    connect(view, &CSorvView::cursorLeft, m_wndStatusBar, &QStatusBar::clearMessage);
    connect(view, &CSorvView::contextMenuRequested, this,
            [this, view](QPoint global) { OnChartContextMenu(view, global); });
    connect(view, &CSorvView::drawFailed, m_wndStatusBar, [this](const QString& text) { m_wndStatusBar->showMessage(text); });
    connect(view, &CSorvView::notice, m_wndStatusBar,
            [this](const QString& text) { m_wndStatusBar->showMessage(text, kNoticeMs); });
    connect(view, &CSorvView::drawingState, this, [this, view](const QString& text) { ShowDrawing(view, text); });
    connect(view, &QObject::destroyed, this, [this, view, docPtr = &doc] { OnViewDestroyed(view, docPtr); });
    m_wndMDIClient->addSubWindow(child);
    const QSize area = m_wndMDIClient->viewport()->size();
    const QSize minimum = CMDIClientWnd::kMinChildSize;
    child->resize(std::max(area.width() * 3 / 4, minimum.width()), std::max(area.height() * 3 / 4, minimum.height()));
    m_wndMDIClient->PlaceNewWindow(child);
    UpdateChildTitles(&doc);
    child->show();
    m_wndMDIClient->setActiveSubWindow(child);
    view->setFocus();
    return child;
}

void CMainFrame::OnViewDestroyed(CSorvView* view, CSorvDoc* doc)
{
    const bool lastView = m_docs.GetViews(doc).size() == 1;
    m_docs.RemoveView(view);
    if (!lastView)
        UpdateChildTitles(doc);
    else if (const auto reload = m_reloads.find(doc); reload != m_reloads.end()) {
        // The document is gone: so is the read that would have replaced its data.
        delete reload->second;
        m_reloads.erase(reload);
        m_reloadAgain.erase(doc);
    }
    OnActivated();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    // Opened once the drop is over: the drag source waits for it to end, and a
    // file may ask for the import dialog or show a message box.
    QMetaObject::invokeMethod(
        this,
        [this, files] {
            for (const QString& file : files)
                OpenDocumentFile(file);
        },
        Qt::QueuedConnection);
}

// ---- command handlers ----

// The active window's page being drawn; what it said goes when it is drawn.
void CMainFrame::ShowDrawing(const CSorvView* view, const QString& text)
{
    if (view != GetActiveView())
        return;
    if (!text.isEmpty())
        m_wndStatusBar->showMessage(text);
    else if (m_wndStatusBar->currentMessage().startsWith(CSorvView::tr("描画中")))
        m_wndStatusBar->clearMessage();
}

// Closes every window of the active document, which then goes too.
void CMainFrame::OnFileClose()
{
    const CSorvView* active = GetActiveView();
    for (CSorvView* view : m_docs.GetViews(&active->GetDocument()))
        view->parentWidget()->close();
}

// The file is read as it was last opened, without asking; one that cannot be
// read leaves the list.
void CMainFrame::OnRecentFile(int index)
{
    if (index >= m_recent.Files().size())
        return;
    const QString path = m_recent.Files().at(index);
    if (!ShowOpenDocument(path))
        OpenDocument({QFile::encodeName(path).toStdString(), m_recent.ImportOptionsOf(path)}, true);
}

void CMainFrame::OnWindowNew()
{
    CreateChildFrame(GetActiveView()->GetDocument());
}

void CMainFrame::OnFileSaveImage()
{
    auto* dialog = new CSaveImageDialog(GetActiveView(), m_pPrinter->PrintableAreaMm(), this);
    dialog->open();
}

void CMainFrame::OnEditCopy(const CSorvView* view)
{
    if (!CChartImage(*view).CopyToClipboard())
        m_wndStatusBar->showMessage(tr("ﾒﾓﾘが足りないためｺﾋﾟｰできません。"));
}

// The menu acts on the window it was opened over, which becomes the active one.
void CMainFrame::OnChartContextMenu(CSorvView* view, QPoint global)
{
    m_wndMDIClient->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(view->parentWidget()));
    UpdateCommandUI();
    auto* menu = new CChartContextMenu([this](int id) { return IsCommandEnabled(id); },
                                       [this](int id) { return IsCommandChecked(id); }, this);
    connect(menu, &CChartContextMenu::commandChosen, this, &CMainFrame::OnCommand);
    menu->popup(global);
}

void CMainFrame::OnAppAbout()
{
    auto* about = new CAboutDlg(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}
