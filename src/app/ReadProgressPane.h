#pragma once
// The status bar's view of the reads in flight: once a read has run for a
// moment, its file, a progress bar with the percentage (the bytes so far for
// a stream of unknown length) and a button that cancels the reads.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

class CDocLoader;
class QLabel;
class QProgressBar;
class QToolButton;

class CReadProgressPane : public QWidget {
    Q_OBJECT
public:
    explicit CReadProgressPane(QWidget* parent);

    // Shows loader's progress while it reads.
    void Watch(CDocLoader* loader);
    bool IsReading() const;
    // Cancels every read in flight.
    void CancelAll();

signals:
    // The last read watched has ended.
    void idle();

private:
    void Refresh();

    std::vector<QPointer<CDocLoader>> m_loaders;
    QLabel* m_label;
    QProgressBar* m_bar;
    QToolButton* m_cancel;
    QTimer m_timer;
};
