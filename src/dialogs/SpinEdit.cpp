#include "dialogs/SpinEdit.h"

#include "settings/FieldRules.h"

#include <QLineEdit>
#include <algorithm>
#include <climits>

CSpinEdit::CSpinEdit(int min, int max, QWidget* parent)
    : QAbstractSpinBox(parent), m_nMin(min), m_nMax(max)
{
}

bool CSpinEdit::Value(int& value) const
{
    const FieldResult<int> r = FieldRules::ReadInt(lineEdit()->text().toStdString(), INT_MIN, INT_MAX);
    value = r.value;
    return r.ok;
}

void CSpinEdit::stepBy(int steps)
{
    // A text that is not a number starts from the bottom of the range.
    int value = m_nMin;
    long long next = m_nMin;
    if (Value(value))
        next = std::clamp<long long>(static_cast<long long>(value) + steps, m_nMin, m_nMax);
    lineEdit()->setText(QString::number(next));
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const
{
    int value = 0;
    if (!Value(value))
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (value < m_nMax)
        enabled |= StepUpEnabled;
    if (value > m_nMin)
        enabled |= StepDownEnabled;
    return enabled;
}
