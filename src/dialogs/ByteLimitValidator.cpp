#include "dialogs/ByteLimitValidator.h"

#include "settings/FieldRules.h"

#include <QLineEdit>

namespace {

int Bytes(const QString& text)
{
    return FieldRules::ShiftJisLength(text.toStdString());
}

// The longest start of text, in whole characters, that fits into budget bytes.
QString Fitting(const QString& text, int budget)
{
    qsizetype end = 0;
    while (end < text.size()) {
        const qsizetype next = end + (text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1);
        if (Bytes(text.left(next)) > budget)
            break;
        end = next;
    }
    return text.left(end);
}

}  // namespace

CByteLimitValidator::CByteLimitValidator(QLineEdit* edit, int maxBytes)
    : QValidator(edit), m_nMaxBytes(maxBytes), m_strLast(edit->text())
{
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_strLast = text; });
}

QValidator::State CByteLimitValidator::validate(QString& input, int& pos) const
{
    const int bytes = Bytes(input);
    if (bytes <= m_nMaxBytes || bytes <= Bytes(m_strLast))
        return Acceptable;
    // Find the inserted part between what stayed before and after it.
    const QString& old = m_strLast;
    qsizetype head = 0;
    while (head < old.size() && head < input.size() && old.at(head) == input.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < old.size() - head && tail < input.size() - head &&
           old.at(old.size() - 1 - tail) == input.at(input.size() - 1 - tail))
        ++tail;
    const QString kept = input.left(head) + input.right(tail);
    const QString inserted = Fitting(input.mid(head, input.size() - head - tail), m_nMaxBytes - Bytes(kept));
    if (inserted.isEmpty())
        return Invalid;
    input = input.left(head) + inserted + input.right(tail);
    pos = int(head + inserted.size());
    return Acceptable;
}
