#pragma once
// A child window of the main frame holding one chart window.

#include <QMdiSubWindow>

class CSorvView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes the view; the frame deletes itself (and the view) when closed.
    explicit CChildFrame(CSorvView* view, QWidget* parent = nullptr);
    CSorvView* GetView() const { return m_pView; }

private:
    CSorvView* m_pView;
};
