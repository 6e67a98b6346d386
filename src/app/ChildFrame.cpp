#include "app/ChildFrame.h"

#include "app/SorvView.h"
#include "app/ToolbarArt.h"

#include <QAction>
#include <QMenu>

CChildFrame::CChildFrame(CSorvView* view, QWidget* parent) : QMdiSubWindow(parent), m_pView(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcon());
    setWidget(view);
    setFocusProxy(view);
    // Ctrl+W belongs to the main window, which closes the active window
    // wherever the focus is; the window's own menu would make it ambiguous.
    for (QAction* action : systemMenu()->actions())
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
            action->setShortcuts({});
}
