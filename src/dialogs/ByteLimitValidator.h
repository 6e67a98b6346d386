#pragma once
// Keeps what the user types into a line edit within a number of bytes counted
// in Shift-JIS (a double-byte character counts two). An insertion is cut to
// what still fits; a longer text set by the program is left whole, and any
// edit that does not lengthen it is allowed, so the user can shorten it.

#include <QString>
#include <QValidator>

class QLineEdit;

class CByteLimitValidator : public QValidator {
    Q_OBJECT
public:
    CByteLimitValidator(QLineEdit* edit, int maxBytes);

    State validate(QString& input, int& pos) const override;

private:
    int m_nMaxBytes;
    QString m_strLast;  // the edit's text before the change being validated
};
