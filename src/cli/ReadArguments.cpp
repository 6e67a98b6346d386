#include "cli/ReadArguments.h"

#include "doc/SorvDoc.h"
#include "read/ColumnPicks.h"
#include "read/ReadRequest.h"
#include "settings/FieldRules.h"

#include <QCoreApplication>

#include <climits>
#include <cstring>

namespace {

struct DelimiterEntry {
    ImportDelimiter delimiter;
    const char* name;
};

constexpr DelimiterEntry kDelimiters[] = {
    {ImportDelimiter::Auto, "auto"},       {ImportDelimiter::Comma, "comma"}, {ImportDelimiter::Tab, "tab"},
    {ImportDelimiter::Semicolon, "semicolon"}, {ImportDelimiter::Blank, "blank"},
};

// The reading options; the usage text and the manual page are made from this table.
constexpr OptionSummary kReadOptions[] = {
    {"--columns", nullptr, nullptr},
    {"--rows", nullptr, nullptr},
    {"--delimiter", "auto|comma|tab|semicolon|blank", nullptr},
    {"--header", "yes|no|auto", nullptr, true},
    {"--x", "first|column:N|row:N|index", nullptr},
    {"--use", "N,N-M,N-,NAME...", nullptr},
    {"--skip", "N", nullptr, true},
    {"--comment", "C", "default #; \"\" for none"},
    {"--decimal-comma", nullptr, nullptr},
};

const OptionSummary* FindReadOption(std::string_view name)
{
    for (const OptionSummary& o : kReadOptions) {
        if (name == o.name)
            return &o;
    }
    return nullptr;
}

// What the command line imports with when only some options are given: the
// delimiter, the header and the first column as the text shows them.
ImportOptions CommandLineDefaults()
{
    ImportOptions o;
    o.detectHeader = true;
    o.firstColumn = FirstColumn::Auto;
    return o;
}

// A column or row number from 1, after prefix in value.
bool ReadNumberFrom(const std::string& value, std::size_t prefix, int& index, std::string& error)
{
    const FieldResult<int> n = FieldRules::ReadInt(value.substr(prefix), 1, INT_MAX);
    if (!n.ok) {
        error = "--x " + value + ": columns and rows are numbered from 1 (" + n.message.Text() + ")";
        return false;
    }
    index = n.value - 1;
    return true;
}

bool ReadX(const std::string& value, ImportOptions& o, std::string& error)
{
    o.firstColumn = FirstColumn::Auto;
    o.xColumn = o.xRow = -1;
    o.xIndex = false;
    if (value == "first") {
        o.firstColumn = FirstColumn::X;
        o.columns = true;
    } else if (value == "index") {
        o.xIndex = true;
    } else if (value.starts_with("column:")) {
        o.columns = true;
        return ReadNumberFrom(value, 7, o.xColumn, error);
    } else if (value.starts_with("row:")) {
        return ReadNumberFrom(value, 4, o.xRow, error);
    } else {
        error = "--x " + value + ": expected first, column:N, row:N or index";
        return false;
    }
    return true;
}

bool ReadHeader(const std::string& value, ImportOptions& o, std::string& error)
{
    o.detectHeader = value == "auto";
    o.header = value == "yes";
    if (value == "yes" || value == "no" || value == "auto")
        return true;
    error = "--header " + value + ": expected yes, no or auto";
    return false;
}

bool ReadUse(const std::string& value, ImportOptions& o, std::string& error)
{
    if (ParseColumnPicks(value, o.use))
        return true;
    error = "--use " + value + ": expected column numbers from 1 (3, 2-5, 7-) or header names, comma-separated";
    return false;
}

bool ReadComment(const std::string& value, char& comment, std::string& error)
{
    if (value.size() > 1 || (value.size() == 1 && static_cast<unsigned char>(value[0]) >= 0x80)) {
        error = "--comment " + value + ": expected one ASCII character (or \"\" for none)";
        return false;
    }
    comment = value.empty() ? '\0' : value[0];
    return true;
}

}  // namespace

bool IsReadOption(std::string_view name)
{
    return FindReadOption(name) != nullptr;
}

bool ReadOptionTakesValue(std::string_view name)
{
    const OptionSummary* o = FindReadOption(name);
    return o && o->form;
}

bool ApplyReadOption(std::string_view name, const std::string* value, ReadChoice& choice, std::string& error)
{
    if (name == "--rows") {
        choice.rows = true;
        return true;
    }
    if (!choice.import)
        choice.import = CommandLineDefaults();
    ImportOptions& o = *choice.import;
    if (name == "--header")
        return ReadHeader(*value, o, error);
    if (name == "--x")
        return ReadX(*value, o, error);
    if (name == "--use")
        return ReadUse(*value, o, error);
    if (name == "--columns") {
        o.columns = true;
    } else if (name == "--decimal-comma") {
        o.decimalComma = true;
    } else if (name == "--delimiter") {
        const std::optional<ImportDelimiter> d = DelimiterFromName(*value);
        if (!d) {
            error = "--delimiter " + *value + ": expected auto, comma, tab, semicolon or blank";
            return false;
        }
        o.delimiter = *d;
    } else if (name == "--skip") {
        const FieldResult<int> n = FieldRules::ReadInt(*value, 0, INT_MAX);
        if (!n.ok) {
            error = "--skip " + *value + ": " + n.message.Text();
            return false;
        }
        o.skip = n.value;
    } else if (name == "--comment") {
        return ReadComment(*value, o.comment, error);
    }
    return true;
}

bool CheckReadChoice(const ReadChoice& choice, std::string& error)
{
    if (choice.rows && choice.import) {
        error = "--rows reads each line as a label and numbers (the row reader) and takes no other reading option";
        return false;
    }
    if (choice.import && choice.import->xRow >= 0 && choice.import->columns) {
        error = "--x row:N takes a row of a file read line by line: it does not go with --columns, --x first "
                "or --x column:N";
        return false;
    }
    return true;
}

int OptionsEnd(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--"))
            return i;
    }
    return argc;
}

bool ParseViewerArguments(const QStringList& args, QStringList& files, ReadChoice& choice, std::string& error)
{
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    for (qsizetype i = 0; i < args.size(); ++i) {
        const std::string arg = args.at(i).toStdString();
        if (end >= 0 && i >= end) {
            if (i > end)
                files.append(args.at(i));
            continue;
        }
        if (!IsReadOption(arg)) {
            files.append(args.at(i));
            continue;
        }
        const bool takesValue = ReadOptionTakesValue(arg);
        if (takesValue && i + 1 >= args.size()) {
            error = arg + ": a value is missing";
            return false;
        }
        const std::string value = takesValue ? args.at(++i).toStdString() : "";
        if (!ApplyReadOption(arg, takesValue ? &value : nullptr, choice, error))
            return false;
    }
    return CheckReadChoice(choice, error);
}

const char* DelimiterName(ImportDelimiter delimiter)
{
    for (const DelimiterEntry& e : kDelimiters)
        if (e.delimiter == delimiter)
            return e.name;
    return "auto";
}

std::optional<ImportDelimiter> DelimiterFromName(std::string_view name)
{
    for (const DelimiterEntry& e : kDelimiters)
        if (name == e.name)
            return e.delimiter;
    return std::nullopt;
}

const char* ReadOptionsUsage()
{
    static const std::string usage =
        "reading options (the viewer, --export, --info and --dump; FILE - is standard input):\n" +
        UsageLines(ReadOptionSummaries()) +
        "  columns and rows are numbered from 1; without reading options a file that the viewer would\n"
        "  offer the import dialog for is imported as detected, which is said on standard error\n";
    return usage.c_str();
}

std::vector<OptionSummary> ReadOptionSummaries()
{
    return {std::begin(kReadOptions), std::end(kReadOptions)};
}

QString StandardInputName()
{
    return QCoreApplication::translate("ReadArguments", "標準入力");
}

bool ReadRequestedDocument(const ReadRequest& request, CSorvDoc& doc, const ReadOptions& options,
                           ReadOutcome& outcome)
{
    if (!ReadDocument(request, doc, options, outcome))
        return false;
    if (request.path == "-")
        doc.SetTitle(StandardInputName().toStdString());
    return true;
}
