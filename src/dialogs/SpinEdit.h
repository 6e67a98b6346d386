#pragma once
// An edit with up/down arrows beside it that step the integer written in it.
// The text itself stays free: whatever is typed is kept, and the dialog's
// field rules judge it on OK.

#include <QAbstractSpinBox>

class QLineEdit;

class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    // The arrows and the arrow keys move the number within min..max.
    CSpinEdit(int min, int max, QWidget* parent = nullptr);

    QLineEdit* Edit() const { return lineEdit(); }
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    // The number in the edit, or false when the text is not an integer.
    bool Value(int& value) const;

    int m_nMin;
    int m_nMax;
};
