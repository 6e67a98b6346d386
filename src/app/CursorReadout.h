#pragma once
// The status-bar text of what lies under the mouse in a chart window: in a 2D
// chart the column and value at the cursor and the point drawn nearest to it,
// in the 3D chart the region and the angles.

#include <QCoreApplication>
#include <QPoint>
#include <QString>

class CSorvView;

class CCursorReadout {
    Q_DECLARE_TR_FUNCTIONS(CCursorReadout)
public:
    // Empty when nothing is read at client point p (outside the plot, for instance).
    static QString Text(const CSorvView& view, QPoint p);
};
