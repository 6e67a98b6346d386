#include "app/MainFrame.h"

#include "app/AboutDlg.h"
#include "app/ChildFrame.h"
#include "app/DocManager.h"
#include "app/LockKeys.h"
#include "app/MDIClientWnd.h"
#include "app/RecentFileList.h"
#include "app/SorvView.h"
#include "app/ToolbarArt.h"
#include "app/ViewPrinter.h"
#include "doc/SorvDoc.h"
#include "settings/CommandIds.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

using namespace CommandId;

namespace {

// The menu text of a command without its mnemonic and key hint, for tool tips
// of buttons that have no string of their own.
QString PlainMenuText(int id, const std::vector<MenuItem>& items)
{
    for (const MenuItem& item : items) {
        if (item.id == id) {
            QString text = item.text.section('\t', 0, 0);
            text.remove(QRegularExpression(QStringLiteral("\\(&[^)]*\\)")));
            return text.remove('&');
        }
        const QString inSubmenu = PlainMenuText(id, item.submenu);
        if (!inSubmenu.isEmpty())
            return inSubmenu;
    }
    return {};
}

QString ToolTipOf(int id)
{
    const QString tip = CommandToolTip(id);
    if (!tip.isEmpty())
        return tip;
    for (const MenuPopup& popup : ChartMenu()) {
        const QString text = PlainMenuText(id, popup.items);
        if (!text.isEmpty())
            return text;
    }
    return {};
}

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

// "&n text": an item of a numbered list in a menu, n its mnemonic.
QString NumberedItem(int n, QString text)
{
    return QStringLiteral("&%1 %2").arg(n).arg(text.replace('&', QStringLiteral("&&")));
}

bool NeedsChartWindow(int id)
{
    switch (id) {
    case FileClose: case FilePrint: case FilePrintDirect: case FilePrintPreview:
    case WindowNew: case WindowArrange: case WindowCascade: case WindowTileHorz: case WindowTileVert:
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

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();
    UpdateMenuBar();
    UpdateRecentFileMenu();
    UpdateCommandUI();
    qApp->installEventFilter(this);

    // Three quarters of the screen, yet wide enough for the whole toolbar
    // where the screen allows (on large scale factors three quarters is not).
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableSize();
        QSize size = available * 3 / 4;
        size.setWidth(std::min(std::max(size.width(), m_wndToolBar->sizeHint().width()), available.width()));
        resize(size);
    }
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // Chart windows go first (also closed ones awaiting deletion), while the
    // frame can still forget them.
    for (CChildFrame* child : m_wndMDIClient->findChildren<CChildFrame*>())
        delete child;
}

// ---- resources ----

QAction* CMainFrame::CommandAction(int id, const QString& text)
{
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setStatusTip(CommandPrompt(id));
    action->setCheckable(CSorvView::IsCheckCommand(id) || id == ViewToolbar || id == ViewStatusBar);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

void CMainFrame::AddMenuItem(QMenu* menu, const MenuItem& item)
{
    if (!item.submenu.empty()) {
        menu->addMenu(CreatePopup(item.text, item.submenu));
    } else if (item.id == 0) {
        menu->addSeparator();
    } else if (item.id == FileMruFirst) {
        AddRecentFileItems(menu);
    } else {
        menu->addAction(CommandAction(item.id, item.text));
    }
}

// The grayed placeholder, and the entries that take its place when files are known.
void CMainFrame::AddRecentFileItems(QMenu* menu)
{
    QAction* placeholder = menu->addAction(RecentFilePlaceholder());
    placeholder->setEnabled(false);
    m_recentPlaceholders.push_back(placeholder);
    std::vector<QAction*> items;
    for (int i = 0; i < m_recent.Size(); ++i) {
        QAction* action = menu->addAction(QString());
        action->setData(FileMruFirst + i);
        action->setStatusTip(CommandPrompt(FileMruFirst + i));
        connect(action, &QAction::triggered, this, [this, i] { OnRecentFile(i); });
        items.push_back(action);
    }
    m_recentItems.push_back(items);
}

QMenu* CMainFrame::CreatePopup(const QString& title, const std::vector<MenuItem>& items)
{
    auto* menu = new QMenu(title, this);
    for (const MenuItem& item : items)
        AddMenuItem(menu, item);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    return menu;
}

void CMainFrame::CreateMenus()
{
    for (const MenuPopup& popup : MainFrameMenu())
        m_menuMain.push_back(CreatePopup(popup.title, popup.items));
    for (const MenuPopup& popup : ChartMenu()) {
        m_menuChart.push_back(CreatePopup(popup.title, popup.items));
        // The popup with the window commands also lists the open windows.
        if (!PlainMenuText(WindowNew, popup.items).isEmpty())
            m_menuWindow = m_menuChart.back();
    }
    connect(m_menuWindow, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowList);
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar = new QToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolbar"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolbarCommands()) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = CommandAction(id, ToolTipOf(id));
        action->setIcon(ToolbarIcon(id));
        action->setToolTip(ToolTipOf(id));
        m_wndToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = new QStatusBar(this);
    // Pane 0 takes the free width; prompts cover it while shown.
    m_wndStatusBar->addWidget(new QLabel(IdleStatusText()), 1);
    const char* const names[4] = {"ｶﾅ", "CAP", "NUM", "SCRL"};
    for (int i = 0; i < 4; ++i) {
        m_indicators[i] = new QLabel(QString::fromUtf8(names[i]));
        m_indicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_indicators[i]->setAlignment(Qt::AlignCenter);
        m_indicators[i]->setMinimumWidth(m_indicators[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        m_indicators[i]->setEnabled(false);
        m_wndStatusBar->addPermanentWidget(m_indicators[i]);
    }
    setStatusBar(m_wndStatusBar);
    UpdateIndicators();
}

// Accelerators: keys of the frame that run commands without a menu entry of their own.
void CMainFrame::CreateAccelerators()
{
    for (const Accelerator& accel : Accelerators()) {
        QAction* action = CommandAction(accel.id, QString());
        action->setShortcut(accel.key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

// ---- state of the user interface ----

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
    return view || !NeedsChartWindow(id);
}

void CMainFrame::UpdateCommandUI()
{
    const CSorvView* view = GetActiveView();
    for (const auto& [id, action] : m_actions) {
        action->setEnabled(IsCommandEnabled(id));
        if (id == ViewToolbar)
            action->setChecked(m_wndToolBar && !m_wndToolBar->isHidden());
        else if (id == ViewStatusBar)
            action->setChecked(m_wndStatusBar && !m_wndStatusBar->isHidden());
        else if (action->isCheckable())
            action->setChecked(view && view->IsCommandChecked(id));
    }
}

// Menu 129 while a chart window is active, menu 128 otherwise.
void CMainFrame::UpdateMenuBar()
{
    const std::vector<QMenu*>& menus = GetActiveView() ? m_menuChart : m_menuMain;
    const QList<QAction*> shown = menuBar()->actions();
    if (!shown.isEmpty() && shown.first()->menu() == menus.front())
        return;
    menuBar()->clear();
    for (QMenu* menu : menus)
        menuBar()->addMenu(menu);
}

void CMainFrame::UpdateRecentFileMenu()
{
    const QStringList& files = m_recent.Files();
    for (QAction* placeholder : m_recentPlaceholders)
        placeholder->setVisible(files.isEmpty());
    for (const auto& items : m_recentItems) {
        for (int i = 0; i < int(items.size()); ++i) {
            const bool shown = i < files.size();
            items[i]->setVisible(shown);
            if (shown)
                items[i]->setText(NumberedItem(i + 1, QDir::toNativeSeparators(files.at(i))));
        }
    }
}

void CMainFrame::UpdateWindowList()
{
    for (QAction* item : m_windowItems)
        delete item;
    m_windowItems.clear();
    const QList<QMdiSubWindow*> windows = m_wndMDIClient->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowItems.push_back(m_menuWindow->addSeparator());
    for (int i = 0; i < int(windows.size()); ++i) {
        QPointer<QMdiSubWindow> child = windows[i];
        QAction* item = m_menuWindow->addAction(NumberedItem(i + 1, child->windowTitle()));
        item->setData(WindowFirstChild + i);
        item->setCheckable(true);
        item->setChecked(child == m_wndMDIClient->activeSubWindow());
        // A minimised window chosen here comes back to its size.
        connect(item, &QAction::triggered, this, [this, child] {
            if (!child)
                return;
            if (child->isMinimized())
                child->showNormal();
            m_wndMDIClient->setActiveSubWindow(child);
        });
        m_windowItems.push_back(item);
    }
}

void CMainFrame::UpdateFrameTitle()
{
    const CSorvView* view = GetActiveView();
    if (view)
        setWindowTitle(AppTitle() + " - " + QString::fromStdString(view->GetDocument().GetTitle()));
    else
        setWindowTitle(AppTitle());
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
    UpdateMenuBar();
    UpdateFrameTitle();
    UpdateCommandUI();
}

void CMainFrame::UpdateIndicators()
{
    const std::optional<LockKeyState> keys = QueryLockKeys();
    const bool on[4] = {false, keys && keys->caps, keys && keys->num, keys && keys->scroll};
    for (int i = 0; i < 4; ++i)
        m_indicators[i]->setEnabled(on[i]);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease || type == QEvent::ApplicationActivate)
        UpdateIndicators();
    return QMainWindow::eventFilter(watched, event);
}

// ---- documents and windows ----

CChildFrame* CMainFrame::CreateChildFrame(CSorvDoc& doc)
{
    auto* view = new CSorvView(doc);
    auto* child = new CChildFrame(view);
    m_docs.AddView(&doc, view);
    connect(view, &CSorvView::commandDone, this, &CMainFrame::UpdateCommandUI);
    connect(view, &QObject::destroyed, this, [this, view, docPtr = &doc] { OnViewDestroyed(view, docPtr); });
    m_wndMDIClient->addSubWindow(child);
    const QSize area = m_wndMDIClient->viewport()->size();
    child->resize(std::max(area.width() * 3 / 4, 320), std::max(area.height() * 3 / 4, 240));
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
    OnActivated();
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    if (CSorvDoc* open = m_docs.FindDocument(path)) {
        const std::vector<CSorvView*> views = m_docs.GetViews(open);
        if (!views.empty())
            m_wndMDIClient->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(views.front()->parentWidget()));
        m_recent.Add(path);
        UpdateRecentFileMenu();
        return true;
    }
    QString error;
    CSorvDoc* doc = m_docs.OpenDocumentFile(path, error);
    if (!doc) {
        QMessageBox::warning(this, AppTitle(),
                             QStringLiteral("%1 を開けません。\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_recent.Add(path);
    UpdateRecentFileMenu();
    CreateChildFrame(*doc);
    return true;
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
    for (const QString& file : files)
        OpenDocumentFile(file);
}

// ---- commands ----

void CMainFrame::OnCommand(int id)
{
    if (!IsCommandEnabled(id))
        return;
    CSorvView* view = GetActiveView();
    switch (id) {
    case FileOpen: OnFileOpen(); break;
    case FileClose: OnFileClose(); break;
    case FilePrintSetup: m_pPrinter->PageSetup(); break;
    case FilePrint: m_pPrinter->Print(view, true); break;
    case FilePrintDirect: m_pPrinter->Print(view, false); break;
    case FilePrintPreview: m_pPrinter->Preview(view); break;
    case WindowNew: OnWindowNew(); break;
    case WindowCascade: m_wndMDIClient->cascadeSubWindows(); break;
    case WindowTileHorz: m_wndMDIClient->TileStacked(); break;
    case WindowTileVert: m_wndMDIClient->TileSideBySide(); break;
    case WindowArrange: m_wndMDIClient->ArrangeIcons(); break;
    case AppAbout: OnAppAbout(); break;
    case AppExit: close(); break;
    case ViewToolbar: m_wndToolBar->setVisible(m_wndToolBar->isHidden()); break;
    case ViewStatusBar: m_wndStatusBar->setVisible(m_wndStatusBar->isHidden()); break;
    default:
        if (view)
            view->OnCommand(id);
        break;
    }
    UpdateCommandUI();
}

void CMainFrame::OnFileOpen()
{
    auto* dialog = new QFileDialog(this, OpenDialogTitle());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilter(OpenDialogFilters());
    connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList& files) {
        for (const QString& file : files)
            OpenDocumentFile(file);
    });
    dialog->open();
}

// Closes every window of the active document, which then goes too.
void CMainFrame::OnFileClose()
{
    const CSorvView* active = GetActiveView();
    for (CSorvView* view : m_docs.GetViews(&active->GetDocument()))
        view->parentWidget()->close();
}

void CMainFrame::OnRecentFile(int index)
{
    if (index >= m_recent.Files().size())
        return;
    const QString path = m_recent.Files().at(index);
    if (!OpenDocumentFile(path)) {
        m_recent.Remove(path);
        UpdateRecentFileMenu();
    }
}

void CMainFrame::OnWindowNew()
{
    CreateChildFrame(GetActiveView()->GetDocument());
}

void CMainFrame::OnAppAbout()
{
    auto* about = new CAboutDlg(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}
