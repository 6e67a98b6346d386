#include "app/ChildFrame.h"

#include "app/SorvView.h"
#include "app/ToolbarArt.h"

CChildFrame::CChildFrame(CSorvView* view, QWidget* parent) : QMdiSubWindow(parent), m_pView(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcon());
    setWidget(view);
    setFocusProxy(view);
}
