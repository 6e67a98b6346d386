#include "app/FrameMenus.h"

#include "app/MDIClientWnd.h"
#include "app/SorvView.h"
#include "app/ToolbarArt.h"
#include "settings/CommandIds.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QToolBar>

using namespace CommandId;

namespace {

// The tool tip of a command: its string, or else its menu text without the
// mnemonic, the key hint and the dots of a command that opens a dialog.
QString ToolTipOf(int id)
{
    const QString tip = CommandToolTip(id);
    if (!tip.isEmpty())
        return tip;
    QString text = ChartMenuText(id).section('\t', 0, 0);
    text.remove(QRegularExpression(QStringLiteral("\\(&[^)]*\\)|\\.\\.\\.$")));
    return text.remove('&');
}

// "&n text": an item of a numbered list in a menu, n its mnemonic.
QString NumberedItem(int n, QString text)
{
    return QStringLiteral("&%1 %2").arg(n).arg(text.replace('&', QStringLiteral("&&")));
}

}  // namespace

CFrameMenus::CFrameMenus(QMainWindow* frame, CMDIClientWnd* client, int recentCount)
    : QObject(frame), m_pFrame(frame), m_wndMDIClient(client), m_nRecentCount(recentCount)
{
    CreateMenus();
    CreateToolBar();
    CreateAccelerators();
}

QAction* CFrameMenus::CommandAction(int id, const QString& text)
{
    auto* action = new QAction(text, m_pFrame);
    action->setData(id);
    action->setStatusTip(CommandPrompt(id));
    action->setCheckable(CSorvView::IsCheckCommand(id) || id == ViewToolbar || id == ViewStatusBar
                         || id == FileAutoUpdate || id == ViewFollowLatest);
    connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
    m_actions.emplace(id, action);
    return action;
}

void CFrameMenus::AddMenuItem(QMenu* menu, const MenuItem& item)
{
    if (!item.submenu.empty()) {
        menu->addMenu(CreatePopup(AppText(item.text), item.submenu));
    } else if (item.id == 0) {
        menu->addSeparator();
    } else if (item.id == FileMruFirst) {
        AddRecentFileItems(menu);
    } else {
        menu->addAction(CommandAction(item.id, AppText(item.text)));
    }
}

// The grayed placeholder, and the entries that take its place when files are known.
void CFrameMenus::AddRecentFileItems(QMenu* menu)
{
    QAction* placeholder = menu->addAction(RecentFilePlaceholder());
    placeholder->setEnabled(false);
    m_recentPlaceholders.push_back(placeholder);
    std::vector<QAction*> items;
    for (int i = 0; i < m_nRecentCount; ++i) {
        QAction* action = menu->addAction(QString());
        action->setData(FileMruFirst + i);
        action->setStatusTip(CommandPrompt(FileMruFirst + i));
        connect(action, &QAction::triggered, this, [this, i] { emit recentFileChosen(i); });
        items.push_back(action);
    }
    m_recentItems.push_back(items);
}

QMenu* CFrameMenus::CreatePopup(const QString& title, const std::vector<MenuItem>& items)
{
    auto* menu = new QMenu(title, m_pFrame);
    for (const MenuItem& item : items)
        AddMenuItem(menu, item);
    connect(menu, &QMenu::aboutToShow, this, &CFrameMenus::menuAboutToShow);
    return menu;
}

void CFrameMenus::CreateMenus()
{
    for (const MenuPopup& popup : MainFrameMenu())
        m_menuMain.push_back(CreatePopup(AppText(popup.title), popup.items));
    for (const MenuPopup& popup : ChartMenu()) {
        m_menuChart.push_back(CreatePopup(AppText(popup.title), popup.items));
        // The popup with the window commands also lists the open windows.
        if (FindMenuItem(popup.items, WindowNew))
            m_menuWindow = m_menuChart.back();
    }
    connect(m_menuWindow, &QMenu::aboutToShow, this, &CFrameMenus::UpdateWindowList);
}

void CFrameMenus::CreateToolBar()
{
    m_wndToolBar = new QToolBar(tr("ﾂｰﾙ ﾊﾞｰ"), m_pFrame);
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
    m_pFrame->addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

// Accelerators: keys of the frame that run commands without a menu entry of their own.
void CFrameMenus::CreateAccelerators()
{
    for (const Accelerator& accel : Accelerators()) {
        QAction* action = CommandAction(accel.id, QString());
        action->setShortcut(accel.key);
        action->setShortcutContext(Qt::WindowShortcut);
        m_pFrame->addAction(action);
    }
}

void CFrameMenus::ShowMenus(bool chart)
{
    const std::vector<QMenu*>& menus = chart ? m_menuChart : m_menuMain;
    QMenuBar* bar = m_pFrame->menuBar();
    const QList<QAction*> shown = bar->actions();
    if (!shown.isEmpty() && shown.first()->menu() == menus.front())
        return;
    bar->clear();
    for (QMenu* menu : menus)
        bar->addMenu(menu);
}

void CFrameMenus::Update(const std::function<bool(int)>& enabled, const std::function<bool(int)>& checked)
{
    for (const auto& [id, action] : m_actions) {
        action->setEnabled(enabled(id));
        if (action->isCheckable())
            action->setChecked(checked(id));
    }
}

void CFrameMenus::UpdateRecentFiles(const QStringList& files)
{
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

void CFrameMenus::UpdateWindowList()
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
