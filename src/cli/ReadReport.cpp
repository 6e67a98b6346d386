#include "cli/ReadReport.h"

#include "cli/ReadArguments.h"
#include "read/ColumnPicks.h"

namespace {

std::string FirstColumnText(FirstColumn role)
{
    switch (role) {
    case FirstColumn::Data: return "series";
    case FirstColumn::Labels: return "labels";
    case FirstColumn::Skip: return "left out";
    case FirstColumn::X:
    case FirstColumn::Auto: break;
    }
    return "x";
}

std::string XText(const ImportOptions& o, bool xFromHeader)
{
    if (o.xRow >= 0)
        return "row " + std::to_string(o.xRow + 1) + " x";
    std::string text = "first column " + FirstColumnText(o.firstColumn);
    if (o.columns && o.xColumn >= 0 && o.firstColumn != FirstColumn::X)
        text += ", column " + std::to_string(o.xColumn + 1) + " x";
    if (xFromHeader)
        text += ", header x";
    return text;
}

} // namespace

std::string DescribeImport(const ImportOptions& o, bool xFromHeader)
{
    std::string text = o.columns ? "column-wise: " : "row-wise: ";
    text += DelimiterName(o.delimiter);
    text += o.header ? ", header" : ", no header";
    if (!o.use.empty())
        text += ", columns " + FormatColumnPicks(o.use);
    text += ", " + XText(o, xFromHeader);
    if (o.decimalComma)
        text += ", decimal comma";
    return text;
}

std::string ImportHint(const ImportOptions& importable, bool rowsGiven)
{
    const std::string how = DescribeImport(importable, false);
    if (rowsGiven)
        return "; without --rows it is read " + how;
    std::string options = importable.columns ? "--columns" : std::string("--delimiter ") + DelimiterName(importable.delimiter);
    if (importable.decimalComma)
        options += " --decimal-comma";
    return "; " + options + " reads it " + how;
}
