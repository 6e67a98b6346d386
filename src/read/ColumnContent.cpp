#include "read/ColumnContent.h"

#include "doc/DateTime.h"
#include "read/FieldScanner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Records read in a row from the start, then the number of places spread
// over the rest that one more record each is read from.
constexpr std::size_t kHeadRecords = 256;
constexpr std::size_t kSpreadRecords = 768;

// The text of cell cell of the record at p (empty when it has none); next
// is where the next line starts.
std::string_view CellOf(const CFieldScanner& scanner, const char* p, std::size_t cell, std::string& scratch,
                        const char*& next)
{
    std::size_t j = 0;
    std::string_view text;
    next = scanner.Record(p, [&](const Field& f) {
        if (j++ == cell)
            text = scanner.Text(f, scratch);
    });
    return text;
}

}  // namespace

bool IsMissingMark(std::string_view text)
{
    static constexpr std::array<std::string_view, 10> kMarks = {"NA", "N/A", "n/a", "na", "NULL", "null", "None",
                                                                "#N/A", "-", "--"};
    for (const std::string_view mark : kMarks)
        if (text == mark)
            return true;
    return false;
}

CellKind ClassifyCell(std::string_view text, bool decimalComma, double& value)
{
    if (text.empty() || IsMissingMark(text))
        return CellKind::Missing;
    if (CFieldScanner::ReadNumber(text, decimalComma, value))
        return std::isnan(value) ? CellKind::Missing : CellKind::Number;
    if (const std::optional<ParsedDateTime> t = ParseDateTime(text)) {
        value = t->seconds;
        return CellKind::Time;
    }
    return CellKind::Text;
}

void CColumnContent::Add(CellKind kind, double value)
{
    switch (kind) {
    case CellKind::Number:
        if (m_nNumbers++ == 0)
            m_dFirst = value;
        else if (!(value >= m_dLast))
            m_bNeverFalls = false;
        m_dLast = value;
        break;
    case CellKind::Time: ++m_nTimes; break;
    case CellKind::Text: ++m_nTexts; break;
    case CellKind::Missing: break;
    }
}

FirstColumn CColumnContent::Role() const
{
    const std::size_t cells = m_nNumbers + m_nTimes + m_nTexts;
    if (2 * m_nTimes > cells)
        return FirstColumn::X;
    if (cells == 0 || 2 * m_nTexts >= cells)
        return FirstColumn::Labels;
    return m_bNeverFalls && m_dLast > m_dFirst ? FirstColumn::X : FirstColumn::Data;
}

CColumnContent SampleColumn(const CFieldScanner& scanner, const char* begin, std::size_t cell, bool decimalComma)
{
    CColumnContent content;
    std::string scratch;
    // Where the line after the record ends.
    const auto take = [&](const char* record) {
        double v = 0;
        const char* next = nullptr;
        const CellKind kind = ClassifyCell(CellOf(scanner, record, cell, scratch, next), decimalComma, v);
        content.Add(kind, v);
        return next;
    };
    const char* end = scanner.End();
    const char* p = scanner.NextRecord(begin);
    for (std::size_t n = 0; n < kHeadRecords && p != end; ++n)
        p = scanner.NextRecord(take(p));
    if (p == end)
        return content;
    std::vector<const char*> cuts;
    scanner.Split(p, kSpreadRecords, cuts);
    for (std::size_t k = 0; k < kSpreadRecords; ++k) {
        const char* record = scanner.NextRecord(std::max(cuts[k], p));
        if (record != end)
            p = take(record);
    }
    return content;
}
