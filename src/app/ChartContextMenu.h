#pragma once
// The context menu of a chart window: the chart types, the legend, back and
// forward, copy, save and the settings dialogs, each enabled and checked as
// the same item of the main window's menus.

#include <QMenu>

#include <functional>

class CChartContextMenu : public QMenu {
    Q_OBJECT
public:
    // The menu deletes itself once it is hidden.
    CChartContextMenu(const std::function<bool(int)>& enabled, const std::function<bool(int)>& checked,
                      QWidget* parent);

signals:
    void commandChosen(int id);
};
