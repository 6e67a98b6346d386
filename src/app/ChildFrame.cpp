#include "app/ChildFrame.h"

#include "app/ToolbarArt.h"
#include "view/SorvView.h"

CChildFrame::CChildFrame(CSorvView* view, QWidget* parent) : QMdiSubWindow(parent), m_pView(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcon());
    setWidget(view);
    setFocusProxy(view);
}
