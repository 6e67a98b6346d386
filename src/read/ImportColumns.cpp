#include "read/ImportColumns.h"

#include "read/ColumnContent.h"
#include "read/ColumnPicks.h"

#include <algorithm>

namespace {

// The first column's role as the options give it, or as the file shows it.
FirstColumn RoleOf(const ImportOptions& o, const CFieldScanner& scanner, const char* begin, std::size_t cell,
                   std::size_t read, bool& detected)
{
    FirstColumn role = o.firstColumn;
    detected = role == FirstColumn::Auto;
    if (detected)
        role = !o.columns ? FirstColumn::Labels
             : read < 2   ? FirstColumn::Data
                          : SampleColumn(scanner, begin, cell, o.decimalComma).Role();
    if (role == FirstColumn::X && (!o.columns || o.xIndex || o.xColumn >= 0))
        role = FirstColumn::Labels;
    return role;
}

bool TakeXKind(const ImportOptions& o, const CFieldScanner& scanner, const char* begin, ImportColumns& columns,
               ReadFailure& failure)
{
    const CColumnContent content = SampleColumn(scanner, begin, std::size_t(columns.xCell), o.decimalComma);
    columns.xKind = content.Kind();
    if (content.HoldsX())
        return true;
    const std::string number = std::to_string(columns.xCell + 1);
    failure = {ReadError::NoXValues, "column " + number + " holds no number or date-time to take as x", 0, 0, 0,
               number};
    return false;
}

void Target(const std::vector<char>& used, std::size_t firstCell, ImportColumns& columns)
{
    CellTargets targets;
    for (std::size_t j = 0; j < used.size(); ++j) {
        int t = CellTargets::kOut;
        if (int(j) == columns.xCell)
            t = CellTargets::kX;
        else if (j == firstCell && columns.first == FirstColumn::Labels)
            t = CellTargets::kLabel;
        else if (used[j] && (j != firstCell || columns.first == FirstColumn::Data)) {
            t = int(columns.valueCells.size());
            columns.valueCells.push_back(j);
        }
        targets.target.push_back(t);
    }
    columns.values = columns.valueCells.size();
    columns.targets = std::move(targets);
}

} // namespace

std::string_view ImportColumns::ValueName(const std::vector<std::string>& names, std::size_t k) const
{
    const std::size_t cell = targets ? valueCells[k] : offset + k;
    return cell < names.size() ? std::string_view(names[cell]) : std::string_view();
}

bool ResolveColumns(const ImportOptions& o, const CFieldScanner& scanner, const char* begin,
                    const std::vector<std::string>& names, std::size_t widest, ImportColumns& columns,
                    ReadFailure& failure)
{
    const std::size_t count = std::max(widest, names.size());
    std::vector<char> used;
    if (!ResolveColumnPicks(o.use, names, count, used, failure))
        return false;
    if (o.xColumn >= 0 && std::size_t(o.xColumn) >= count) {
        const std::string number = std::to_string(o.xColumn + 1);
        failure = {ReadError::NoSuchColumn, "there is no column " + number + " to take as x (the file has "
                                                + std::to_string(count) + ")", 0, 0, 0, number};
        return false;
    }
    columns = {};
    const std::size_t firstCell = std::size_t(std::find(used.begin(), used.end(), 1) - used.begin());
    const std::size_t read = std::size_t(std::count(used.begin(), used.end(), 1));
    if (o.columns && o.xColumn == int(firstCell))
        columns.first = FirstColumn::X;
    else
        columns.first = RoleOf(o, scanner, begin, firstCell, read, columns.firstDetected);
    columns.xCell = columns.first == FirstColumn::X ? int(firstCell) : o.columns ? o.xColumn : -1;
    if (columns.xCell >= 0 && !TakeXKind(o, scanner, begin, columns, failure))
        return false;
    if (o.use.empty() && columns.xCell <= 0) {
        columns.offset = columns.first == FirstColumn::Data ? 0 : 1;
        columns.values = widest - std::min(widest, columns.offset);
        return true;
    }
    Target(used, firstCell, columns);
    return true;
}
