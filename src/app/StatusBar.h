#pragma once
// The main window's status bar: the prompt pane, then the indicators of the
// kana, caps, num and scroll lock keys, lit while their key is on.

#include <QStatusBar>

class QLabel;

class CStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CStatusBar(QWidget* parent);
    ~CStatusBar() override;

protected:
    // The lock keys can change in any window, or outside the program.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateIndicators();

    QLabel* m_indicators[4] = {};
};
