#include "cli/BatchCommand.h"

#include "cli/BatchOptions.h"
#include "cli/Export.h"
#include "cli/FollowOption.h"
#include "cli/LanguageOption.h"
#include "cli/ReadArguments.h"
#include "cli/ReadReport.h"
#include "cli/TerminalProgress.h"
#include "doc/DateTime.h"
#include "doc/SorvDoc.h"
#include "gfx/FontSubstitutions.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "read/ReadProgress.h"
#include "read/ReadRequest.h"
#include "settings/PlotSettings.h"

#include <QGuiApplication>
#include <charconv>
#include <cmath>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace {

constexpr int kUsageError = 2;
constexpr int kFileError = 1;

int Fail(int status, const std::string& message)
{
    std::fprintf(stderr, "sorv: %s\n", message.c_str());
    return status;
}

// A double as printf's %.17g writes it.
void AppendNumber(std::string& out, double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17);
    out.append(buf, r.ptr);
}

// An imported document adds the count of its missing cells.
int PrintInfo(const CDocSnapshot& doc, bool imported)
{
    std::string out = "rows " + std::to_string(doc->m_nRows) + "\ncols " + std::to_string(doc->m_nCols) + "\nmin ";
    AppendNumber(out, doc->m_dMin);
    out += "\nmax ";
    AppendNumber(out, doc->m_dMax);
    out += "\nregion " + std::to_string(doc.m_nX1) + ' ' + std::to_string(doc.m_nY1) + ' ' + std::to_string(doc.m_nX2) +
           ' ' + std::to_string(doc.m_nY2) + '\n';
    if (imported)
        out += "missing " + std::to_string(doc->m_nMissing) + '\n';
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : kFileError;
}

// Writes out and empties text once it holds at least limit bytes.
bool WriteFrom(std::string& text, std::size_t limit)
{
    if (text.size() < limit)
        return true;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    text.clear();
    return written;
}

// The digits of a second's fraction that tell a date-time (to a microsecond).
int FractionDigits(double seconds)
{
    const double fraction = seconds - std::floor(seconds);
    double scale = 1;
    for (int digits = 0; digits < 6; ++digits, scale *= 10) {
        if (std::abs(fraction * scale - std::round(fraction * scale)) < 1e-6 * scale)
            return digits;
    }
    return 6;
}

// x as a number, or a date-time as text; "nan" where a column has none.
void AppendX(std::string& out, const CXValues& x, double v)
{
    if (std::isnan(v))
        out += "nan";
    else if (x.IsTime())
        out += FormatDateTime(v, FractionDigits(v));
    else
        AppendNumber(out, v);
}

// Written in pieces of a bounded size, however long a row is; x values,
// when there are any, first on a line of their own.
int PrintDump(const CDocSnapshot& doc)
{
    constexpr std::size_t kPiece = 1 << 16;
    std::string text;
    if (!doc->m_x.IsEmpty()) {
        text += 'x';
        for (const double v : doc->m_x.Values()) {
            text += ',';
            AppendX(text, doc->m_x, v);
            if (!WriteFrom(text, kPiece))
                return kFileError;
        }
        text += '\n';
    }
    for (int r = 0; r < doc->m_nRows; ++r) {
        text += doc->m_pLabels[r];
        for (int c = 0; c < doc->m_nCols; ++c) {
            text += ',';
            AppendNumber(text, doc->Value(r, c));
            if (!WriteFrom(text, kPiece))
                return kFileError;
        }
        text += '\n';
    }
    return WriteFrom(text, 0) && std::fflush(stdout) == 0 ? 0 : kFileError;
}

// Qt's own notes (a missing runtime folder, font fallbacks) are not errors
// of the command; only critical messages reach stderr.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "sorv: %s\n", message.toLocal8Bit().constData());
}

int Export(char* program, const BatchOptions& o, CSorvDoc& doc)
{
    // Drawing needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    // Qt sees the program name alone: an option value such as "--title
    // -platform" is never taken as one of its options.
    int toolkitCount = 1;
    char* toolkitArgs[] = {program, nullptr};
    QGuiApplication app(toolkitCount, toolkitArgs);
    std::setlocale(LC_NUMERIC, "C");
    InstallFontSubstitutions();

    CPlotSettings s;
    InitialUpdate(s, doc);
    for (const BatchOptions::Change& change : o.changes) {
        if (!change.apply(doc, s))
            return Fail(kUsageError, change.option + ": " + change.refusal);
    }
    std::string error;
    if (!ExportChart(o.output, doc, s, o.page, error))
        return Fail(kFileError, error);
    return 0;
}

// Reads the file, its progress shown on a terminal; a failure is reported,
// and so is an import that detection chose. imported: the importer read it.
bool ReadWithProgress(const BatchOptions& o, CSorvDoc& doc, bool& imported)
{
    CReadProgress progress;
    ReadOutcome outcome;
    bool ok = false;
    {
        const CTerminalProgress shown(progress, o.file);
        const ReadRequest request{o.file, o.read.import, !o.read.import && !o.read.rows};
        ok = ReadRequestedDocument(request, doc, {.progress = &progress}, outcome);
    }
    if (!ok) {
        const std::string hint = outcome.importable ? ImportHint(*outcome.importable, o.read.rows) : "";
        Fail(kFileError, o.file + ": " + outcome.failure.text + hint);
    } else if (outcome.detected) {
        const bool headerX = !outcome.used->columns && !doc->m_x.IsEmpty();
        std::fprintf(stderr, "sorv: %s: read %s\n", o.file.c_str(), DescribeImport(*outcome.used, headerX).c_str());
    }
    for (const ImportWarning& w : outcome.warnings)
        std::fprintf(stderr, "sorv: %s: %s\n", o.file.c_str(), w.text.c_str());
    imported = outcome.used.has_value();
    return ok;
}

int RunCommand(char* program, const BatchOptions& o, CSorvDoc& doc, bool imported)
{
    switch (o.command) {
    case BatchOptions::Command::Info:
        return PrintInfo(doc, imported);
    case BatchOptions::Command::Dump:
        return PrintDump(doc);
    case BatchOptions::Command::Export:
        break;
    }
    return Export(program, o, doc);
}

}  // namespace

bool IsBatchCommand(int argc, char** argv)
{
    // Every long option but --lang, --follow and the reading options belongs
    // to the batch commands, so that an unknown one is reported as a usage
    // error instead of being opened as a file; after a lone "--" come only
    // file names.
    const int end = OptionsEnd(argc, argv);
    for (int i = 1; i < end; ++i) {
        if (IsLanguageOption(argv[i]) || IsFollowOption(argv[i]) || ReadOptionTakesValue(argv[i]))
            ++i;
        else if (!IsReadOption(argv[i]) && !std::strncmp(argv[i], "--", 2))
            return true;
    }
    return false;
}

int RunBatchCommand(int argc, char** argv)
{
    std::setlocale(LC_NUMERIC, "C");
    // The language changes no output of a batch command.
    LanguageArguments args;
    std::string error;
    if (!TakeLanguageOption(argc, argv, args, error))
        return Fail(kUsageError, error);
    if (args.RestCount() == 2 && !std::strcmp(args.rest[1], "--help")) {
        std::fputs(BatchUsage(), stdout);
        return 0;
    }
    if (args.RestCount() == 2 && !std::strcmp(args.rest[1], "--version")) {
        std::fputs("sorv " SORV_VERSION "\n", stdout);
        return 0;
    }
    BatchOptions o;
    if (!ParseBatchOptions(args.RestCount(), args.rest.data(), o, error))
        return Fail(kUsageError, error);
    // Memory that runs out is reported like any other failure of the file.
    CSorvDoc doc;
    bool imported = false;
    try {
        if (!ReadWithProgress(o, doc, imported))
            return kFileError;
    } catch (const std::bad_alloc&) {
        return Fail(kFileError, o.file + ": not enough memory to read the file");
    }
    try {
        return RunCommand(argv[0], o, doc, imported);
    } catch (const std::bad_alloc&) {
        return Fail(kFileError, o.file + ": not enough memory for the command");
    }
}
