#include "cli/BatchOptions.h"

#include "cli/FollowOption.h"
#include "cli/ReadArguments.h"
#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "page/DocumentAxes.h"
#include "page/LastColumns.h"
#include "settings/Palettes.h"
#include "settings/FieldRules.h"
#include "settings/PlotSettings.h"
#include "settings/ViewCommands.h"

#include <QString>
#include <algorithm>
#include <climits>
#include <map>

namespace {

constexpr int kMaxClientPixels = 10000;
constexpr int kMaxAreaMm = 5000;
// The zoom that the zoom commands can reach: 0.8^7 .. 1.25^7.
constexpr double kMinZoom = 0.2;
constexpr double kMaxZoom = 5.0;

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}

// Reads the options' values and records what they change.
class OptionReader {
public:
    OptionReader(BatchOptions& options, std::string& error) : m_options(options), m_error(error) {}

    // name is the option, value its argument (none for a switch); false on an
    // unknown option or a bad value, with the cause in the error.
    bool Read(const std::string& name, const std::string* value);
    // Whether the option takes a value.
    static bool TakesValue(const std::string& name);

    // What the options of the table do with their values.
    bool Set(std::function<void(CPlotSettings&)> set)
    {
        m_options.changes.push_back({m_option, [set = std::move(set)](CSorvDoc&, CPlotSettings& s) {
                                         set(s);
                                         return true;
                                     }});
        return true;
    }
    bool Chart(const std::string& value);
    bool ClientSize(const std::string& value);
    bool PrintArea(const std::string& value);
    bool Axis(const std::string& value, bool vertical);
    bool Colors(const std::string& value);
    bool Rotate(const std::string& value);
    bool Region(const std::string& value);
    bool Follow(const std::string& value);
    bool Title(const std::string& value);
    bool Limit(const std::string& value, int CPlotSettings::*member);
    bool Scale(const std::string& value, double CPlotSettings::*member);
    bool Number(const std::string& value, int min, int max, int CPlotSettings::*member);
    bool Zoom(const std::string& value);
    bool Series(const std::string& value, void (*style)(CSeriesStyle&));
    bool PaletteOf(const std::string& value);
    bool Markers(const std::string& value);
    bool ScaleZFit(const std::string& value);

private:
    bool Fail(const std::string& message)
    {
        m_error = m_option + ": " + message;
        return false;
    }
    template <class T>
    bool Take(const FieldResult<T>& r, T& out)
    {
        if (!r.ok)
            return Fail(r.message.Text());
        out = r.value;
        return true;
    }
    bool Size(const std::string& value, int max, int& width, int& height);
    bool Fields(const std::string& value, std::size_t count, std::vector<std::string>& fields);
    // N comma-separated fields, each read by read (which gives a FieldResult).
    template <std::size_t N, class T, class ReadField>
    bool ReadFields(const std::string& value, T (&out)[N], ReadField read)
    {
        std::vector<std::string> fields;
        if (!Fields(value, N, fields))
            return false;
        for (std::size_t i = 0; i < N; ++i) {
            if (!Take(read(fields[i]), out[i]))
                return false;
        }
        return true;
    }
    bool Int(const std::string& value, int min, int max, int& out) { return Take(FieldRules::ReadInt(value, min, max), out); }

    BatchOptions& m_options;
    std::string& m_error;
    std::string m_option;  // as given, for the messages
};

// One option of --export: the parser and the usage text are both made from
// this table, in its order.
struct OptionSpec {
    const char* name;
    const char* form;  // of the value in the usage text; none for a switch
    const char* note;  // added in parentheses in the usage text, if any
    bool endsLine;     // the usage text goes on on the next line
    bool (*read)(OptionReader& reader, const std::string& value);  // value empty for a switch
};

using Value = const std::string&;

const OptionSpec kOptions[] = {
    {"--chart", "scatter|line|stacked|3d", nullptr, false, [](OptionReader& r, Value v) { return r.Chart(v); }},
    {"--size", "WxH", "pixels, 1..10000, default 800x600", true,
     [](OptionReader& r, Value v) { return r.ClientSize(v); }},
    {"--print-area", "WxH", "mm, 1..5000; printed layout", false,
     [](OptionReader& r, Value v) { return r.PrintArea(v); }},
    {"--region", "X1,Y1,X2,Y2", "0..2147483647", true, [](OptionReader& r, Value v) { return r.Region(v); }},
    {"--follow", "N", "the last N columns, 0 for all; the viewer too", true,
     [](OptionReader& r, Value v) { return r.Follow(v); }},
    {"--vaxis", "MIN,MAX,STEP", nullptr, false, [](OptionReader& r, Value v) { return r.Axis(v, true); }},
    {"--haxis", "MIN,MAX,STEP", nullptr, false, [](OptionReader& r, Value v) { return r.Axis(v, false); }},
    {"--vlog", nullptr, nullptr, false,
     [](OptionReader& r, Value) { return r.Set([](CPlotSettings& s) { s.m_bVLog = true; }); }},
    {"--hlog", nullptr, nullptr, true,
     [](OptionReader& r, Value) { return r.Set([](CPlotSettings& s) { s.m_bHLog = true; }); }},
    {"--vlimit", "0..9", nullptr, false,
     [](OptionReader& r, Value v) { return r.Limit(v, &CPlotSettings::m_nVLimit); }},
    {"--hlimit", "0..9", nullptr, false,
     [](OptionReader& r, Value v) { return r.Limit(v, &CPlotSettings::m_nHLimit); }},
    {"--nice", nullptr, "rounded ticks", false,
     [](OptionReader& r, Value) { return r.Set([](CPlotSettings& s) { s.m_bRoundTicks = true; }); }},
    {"--no-nice", nullptr, nullptr, true,
     [](OptionReader& r, Value) { return r.Set([](CPlotSettings& s) { s.m_bRoundTicks = false; }); }},
    {"--no-legend", nullptr, nullptr, false,
     [](OptionReader& r, Value) { return r.Set([](CPlotSettings& s) { s.m_bLegend = false; }); }},
    {"--title", "TEXT", "at most 128 bytes in Shift-JIS", true, [](OptionReader& r, Value v) { return r.Title(v); }},
    {"--colors", "FG,BG,VIEW,AXIS", "each RRGGBB", false, [](OptionReader& r, Value v) { return r.Colors(v); }},
    {"--line-style", "0..4", nullptr, false,
     [](OptionReader& r, Value v) { return r.Number(v, PS_SOLID, PS_DASHDOTDOT, &CPlotSettings::m_nLineStyle); }},
    {"--line-width", "0..99", nullptr, true,
     [](OptionReader& r, Value v) { return r.Number(v, 0, 99, &CPlotSettings::m_nLineWidth); }},
    {"--rotate", "X,Y,Z", "0..360 each", false, [](OptionReader& r, Value v) { return r.Rotate(v); }},
    {"--scale-y", "S", nullptr, false, [](OptionReader& r, Value v) { return r.Scale(v, &CPlotSettings::m_dScaleY); }},
    {"--scale-z", "S", "0.000001..1000000", true,
     [](OptionReader& r, Value v) { return r.Scale(v, &CPlotSettings::m_dScaleZ); }},
    {"--model", "0..5", nullptr, false,
     [](OptionReader& r, Value v) { return r.Number(v, 0, 5, &CPlotSettings::m_nModel); }},
    {"--zoom", "Z", "0.2..5", true, [](OptionReader& r, Value v) { return r.Zoom(v); }},
    {"--scale-z-fit", "SHARE", "0.01..10 of the 3D box's longer side", false,
     [](OptionReader& r, Value v) { return r.ScaleZFit(v); }},
    {"--colorbar", nullptr, "3D value scale", true,
     [](OptionReader& r, Value) { return r.Set([](CPlotSettings& s) { s.m_bColorBar = true; }); }},
    {"--hide", "N,...", "series from 1", false,
     [](OptionReader& r, Value v) { return r.Series(v, [](CSeriesStyle& c) { c.m_bHidden = true; }); }},
    {"--right", "N,...", "series on a V axis at the right", true,
     [](OptionReader& r, Value v) { return r.Series(v, [](CSeriesStyle& c) { c.m_bRightAxis = true; }); }},
    {"--palette", PaletteNames(), nullptr, false, [](OptionReader& r, Value v) { return r.PaletteOf(v); }},
    {"--markers", "plain", "without the foreground outline", true,
     [](OptionReader& r, Value v) { return r.Markers(v); }},
};

const OptionSpec* FindOption(const std::string& name)
{
    for (const OptionSpec& o : kOptions) {
        if (name == o.name)
            return &o;
    }
    return nullptr;
}

bool OptionReader::TakesValue(const std::string& name)
{
    const OptionSpec* o = FindOption(name);
    return o && o->form;
}

bool OptionReader::Read(const std::string& name, const std::string* value)
{
    m_option = value ? name + " " + *value : name;
    const OptionSpec* o = FindOption(name);
    if (!o)
        return Fail("unknown option");
    return o->read(*this, value ? *value : std::string());
}

bool OptionReader::Fields(const std::string& value, std::size_t count, std::vector<std::string>& fields)
{
    fields = Split(value, ',');
    if (fields.size() != count)
        return Fail("expected " + std::to_string(count) + " comma-separated values");
    return true;
}

bool OptionReader::Size(const std::string& value, int max, int& width, int& height)
{
    const std::vector<std::string> parts = Split(value, 'x');
    if (parts.size() != 2)
        return Fail("expected WIDTHxHEIGHT");
    for (const std::string& p : parts) {
        if (p.empty() || p.find_first_not_of("0123456789") != std::string::npos)
            return Fail("expected WIDTHxHEIGHT, positive whole numbers");
    }
    int w = 0;
    int h = 0;
    if (!Int(parts[0], 1, max, w) || !Int(parts[1], 1, max, h))
        return false;
    width = w;
    height = h;
    return true;
}

bool OptionReader::ClientSize(const std::string& value)
{
    return Size(value, kMaxClientPixels, m_options.page.clientWidth, m_options.page.clientHeight);
}

bool OptionReader::PrintArea(const std::string& value)
{
    m_options.page.printArea = true;
    return Size(value, kMaxAreaMm, m_options.page.areaWidthMm, m_options.page.areaHeightMm);
}

bool OptionReader::Chart(const std::string& value)
{
    static const std::map<std::string, int> types = {{"scatter", 0}, {"line", 1}, {"stacked", 2}, {"3d", 3}};
    const auto it = types.find(value);
    if (it == types.end())
        return Fail("expected scatter, line, stacked or 3d");
    const int type = it->second;
    return Set([type](CPlotSettings& s) { s.m_nGraphType = type; });
}

bool OptionReader::Axis(const std::string& value, bool vertical)
{
    double v[3] = {};
    if (!ReadFields(value, v, [](const std::string& f) { return FieldRules::ReadDouble(f); }))
        return false;
    if (vertical) {
        return Set([=](CPlotSettings& s) {
            s.m_dVMin = v[0];
            s.m_dVMax = v[1];
            s.m_dVStep = v[2];
        });
    }
    return Set([=](CPlotSettings& s) {
        s.m_dHMin = v[0];
        s.m_dHMax = v[1];
        s.m_dHStep = v[2];
    });
}

bool OptionReader::Colors(const std::string& value)
{
    std::vector<std::string> f;
    if (!Fields(value, 4, f))
        return false;
    COLORREF c[4] = {};
    for (int i = 0; i < 4; ++i) {
        std::string hex = f[std::size_t(i)];
        if (!hex.empty() && hex[0] == '#')
            hex.erase(0, 1);
        if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return Fail("each colour is RRGGBB in hexadecimal, as in HTML");
        const unsigned long rgb = std::stoul(hex, nullptr, 16);
        c[i] = RGB(int(rgb >> 16), int(rgb >> 8), int(rgb));
    }
    return Set([=](CPlotSettings& s) {
        s.m_crForeground = c[0];
        s.m_crBackground = c[1];
        s.m_crView = c[2];
        s.m_crAxis = c[3];
    });
}

bool OptionReader::Rotate(const std::string& value)
{
    double v[3] = {};
    if (!ReadFields(value, v, [](const std::string& f) { return FieldRules::ReadDouble(f, 0.0, 360.0); }))
        return false;
    return Set([=](CPlotSettings& s) { SetRotation(s, v[0], v[1], v[2]); });
}

bool OptionReader::Region(const std::string& value)
{
    int v[4] = {};
    const auto index = [](const std::string& f) { return FieldRules::ReadInt(f, 0, FieldRules::kMaxRegionIndex); };
    if (!ReadFields(value, v, index))
        return false;
    m_options.changes.push_back(
        {m_option, [=](CSorvDoc& doc, CPlotSettings& s) {
             if (!doc.SetRegion(v[0], v[1], v[2], v[3]))
                 return false;
             FollowRegion(s, doc);
             return true;
         }});
    return true;
}

// The region the window of --follow N shows: the last N columns.
bool OptionReader::Follow(const std::string& value)
{
    int columns = 0;
    if (!ReadFollowColumns(value, columns, m_error))
        return false;
    m_options.changes.push_back({m_option, [columns](CSorvDoc& doc, CPlotSettings& s) {
                                     ShowLastColumns(doc, columns);
                                     FollowRegion(s, doc);
                                     return true;
                                 }});
    return true;
}

bool OptionReader::Title(const std::string& value)
{
    std::string title;
    if (!Take(FieldRules::ReadText(value, 128), title))
        return false;
    m_options.changes.push_back({m_option, [title](CSorvDoc& doc, CPlotSettings& s) {
                                     const QString text = QString::fromUtf8(title.data(), qsizetype(title.size()));
                                     s.m_strTitle = EncodeText(text, doc->m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
                                     return true;
                                 }});
    return true;
}

bool OptionReader::Limit(const std::string& value, int CPlotSettings::*member)
{
    unsigned n = 0;
    if (!Take(FieldRules::ReadUnsigned(value, 0, 9), n))
        return false;
    return Set([=](CPlotSettings& s) { s.*member = int(n); });
}

bool OptionReader::Scale(const std::string& value, double CPlotSettings::*member)
{
    double v = 0.0;
    if (!Take(FieldRules::ReadDouble(value, 1e-6, 1e6), v))
        return false;
    return Set([=](CPlotSettings& s) { s.*member = v; });
}

bool OptionReader::Number(const std::string& value, int min, int max, int CPlotSettings::*member)
{
    int v = 0;
    if (!Int(value, min, max, v))
        return false;
    return Set([=](CPlotSettings& s) { s.*member = v; });
}

bool OptionReader::Zoom(const std::string& value)
{
    double zoom = 0.0;
    if (!Take(FieldRules::ReadDouble(value, kMinZoom, kMaxZoom), zoom))
        return false;
    return Set([zoom](CPlotSettings& s) { s.m_dZoom = zoom; });
}

// Series numbers from 1, comma-separated; the document must have them.
bool OptionReader::Series(const std::string& value, void (*style)(CSeriesStyle&))
{
    std::vector<std::string> fields = Split(value, ',');
    std::vector<int> rows;
    for (const std::string& f : fields) {
        int n = 0;
        if (!Int(f, 1, INT_MAX, n))
            return false;
        rows.push_back(n - 1);
    }
    const int last = *std::max_element(rows.begin(), rows.end());
    m_options.changes.push_back({m_option,
                                 [rows, style](CSorvDoc& doc, CPlotSettings& s) {
                                     if (rows.empty() || *std::max_element(rows.begin(), rows.end()) >= doc->m_nRows)
                                         return false;
                                     std::vector<CSeriesStyle> styles = s.m_series;
                                     for (const int r : rows) {
                                         styles.resize(std::max(styles.size(), std::size_t(r) + 1));
                                         style(styles[std::size_t(r)]);
                                     }
                                     RestyleSeries(s, doc, std::move(styles));
                                     return true;
                                 },
                                 "the document has no series " + std::to_string(last + 1)});
    return true;
}

bool OptionReader::PaletteOf(const std::string& value)
{
    const std::optional<int> palette = PaletteByName(value);
    if (!palette)
        return Fail(std::string("expected ") + PaletteNames());
    return Set([p = *palette](CPlotSettings& s) { s.m_nPalette = p; });
}

bool OptionReader::Markers(const std::string& value)
{
    if (value != "plain")
        return Fail("expected plain");
    return Set([](CPlotSettings& s) { s.m_bPlainMarkers = true; });
}

bool OptionReader::ScaleZFit(const std::string& value)
{
    double share = 0.0;
    if (!Take(FieldRules::ReadDouble(value, FieldRules::kMinScaleZFit, FieldRules::kMaxScaleZFit), share))
        return false;
    return Set([share](CPlotSettings& s) {
        s.m_bScaleZFit = true;
        s.m_dScaleZFit = share;
    });
}

bool SetCommand(BatchOptions& o, BatchOptions::Command command, bool& seen, std::string& error)
{
    if (seen) {
        error = "only one of --export, --info and --dump may be given";
        return false;
    }
    seen = true;
    o.command = command;
    return true;
}

bool TakeFile(BatchOptions& o, const std::string& arg, std::string& error)
{
    if (!o.file.empty()) {
        error = arg + ": only one data file may be given";
        return false;
    }
    o.file = arg;
    return true;
}

}  // namespace

bool ParseBatchOptions(int argc, char** argv, BatchOptions& o, std::string& error)
{
    OptionReader reader(o, error);
    bool commandSeen = false;
    bool settingsSeen = false;
    const int end = OptionsEnd(argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i >= end) {
            // After a lone "--" comes the file, whatever it looks like.
            if (i > end && !TakeFile(o, arg, error))
                return false;
            continue;
        }
        const bool takesValue = arg == "--export" || OptionReader::TakesValue(arg) || ReadOptionTakesValue(arg);
        if (takesValue && i + 1 >= argc) {
            error = arg + ": a value is missing";
            return false;
        }
        if (IsReadOption(arg)) {
            const std::string value = takesValue ? argv[++i] : "";
            if (!ApplyReadOption(arg, takesValue ? &value : nullptr, o.read, error))
                return false;
        } else if (arg == "--export") {
            if (!SetCommand(o, BatchOptions::Command::Export, commandSeen, error))
                return false;
            o.output = argv[++i];
        } else if (arg == "--info" || arg == "--dump") {
            if (!SetCommand(o, arg == "--info" ? BatchOptions::Command::Info : BatchOptions::Command::Dump, commandSeen,
                            error))
                return false;
        } else if (takesValue) {
            settingsSeen = true;
            const std::string value = argv[++i];
            if (!reader.Read(arg, &value))
                return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            settingsSeen = true;
            if (!reader.Read(arg, nullptr))
                return false;
        } else if (!TakeFile(o, arg, error)) {
            return false;
        }
    }
    if (!commandSeen) {
        error = "no command given";
        return false;
    }
    if (o.file.empty()) {
        error = "no data file given";
        return false;
    }
    if (o.command != BatchOptions::Command::Export && settingsSeen) {
        error = "--info and --dump take no options but the reading options";
        return false;
    }
    if (!CheckReadChoice(o.read, error))
        return false;
    if (o.command == BatchOptions::Command::Export && ExportFormatOf(o.output) == ExportFormat::Unknown) {
        error = o.output + ": unknown output format (use .png, .svg, .pdf or .ops)";
        return false;
    }
    return true;
}

const char* BatchUsage()
{
    static const std::string usage = "usage: sorv [--lang ja|en] [--follow N] [READING OPTIONS] [FILE ...]\n"
                                     "       sorv --export OUT [OPTIONS] FILE   (OUT: .png, .svg, .pdf or .ops)\n"
                                     "       sorv --info [READING OPTIONS] FILE\n"
                                     "       sorv --dump [READING OPTIONS] FILE\n"
                                     "       sorv --help | --version\n"
                                     "options:\n" +
                                     UsageLines(ExportOptionSummaries()) + ReadOptionsUsage() +
                                     "after a lone --, every argument is a file; Qt takes no option from the command line\n";
    return usage.c_str();
}

std::vector<OptionSummary> ExportOptionSummaries()
{
    std::vector<OptionSummary> options;
    for (const OptionSpec& o : kOptions)
        options.push_back({o.name, o.form, o.note, o.endsLine});
    return options;
}
