#include "cli/ReadArguments.h"

#include "doc/ReadRequest.h"
#include "doc/SorvDoc.h"
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
    {"--delimiter", "auto|comma|tab|semicolon|blank", nullptr},
    {"--skip", "N", nullptr},
    {"--comment", "C", nullptr},
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
    o.detectLayout = true;
    return o;
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

bool ApplyReadOption(std::string_view name, const std::string* value, std::optional<ImportOptions>& import,
                     std::string& error)
{
    if (!import)
        import = CommandLineDefaults();
    ImportOptions& o = *import;
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

int OptionsEnd(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--"))
            return i;
    }
    return argc;
}

bool ParseViewerArguments(const QStringList& args, QStringList& files, std::optional<ImportOptions>& import,
                          std::string& error)
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
        if (!ApplyReadOption(arg, takesValue ? &value : nullptr, import, error))
            return false;
    }
    return true;
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
    static const std::string usage = [] {
        std::string line;
        for (const OptionSummary& o : kReadOptions) {
            line += line.empty() ? "  " : "   ";
            line += o.name;
            if (o.form)
                line = line + " " + o.form;
            if (o.note)
                line = line + " (" + o.note + ")";
        }
        return "reading options (the viewer, --export, --info and --dump; FILE - is standard input):\n" + line + "\n";
    }();
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
