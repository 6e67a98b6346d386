#include "app/ChartContextMenu.h"

#include "app/AppResources.h"
#include "app/SorvView.h"

CChartContextMenu::CChartContextMenu(const std::function<bool(int)>& enabled,
                                     const std::function<bool(int)>& checked, QWidget* parent)
    : QMenu(parent)
{
    for (int id : ChartContextMenuCommands()) {
        if (id == 0) {
            addSeparator();
            continue;
        }
        QAction* action = addAction(ChartMenuText(id));
        action->setData(id);
        action->setEnabled(enabled(id));
        if (CSorvView::IsCheckCommand(id)) {
            action->setCheckable(true);
            action->setChecked(checked(id));
        }
        connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
    }
    connect(this, &QMenu::aboutToHide, this, &QObject::deleteLater);
}
