#include "cli/BatchOptions.h"

#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "settings/FieldRules.h"
#include "settings/PlotSettings.h"
#include "settings/ViewCommands.h"

#include <QString>
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

// Reads one option's value and records what it changes.
class OptionReader {
public:
    OptionReader(BatchOptions& options, std::string& error) : m_options(options), m_error(error) {}

    // name is the option, value its argument; false on a bad value.
    bool Read(const std::string& name, const std::string& value);
    static bool TakesValue(const std::string& name);
    bool Flag(const std::string& name);

private:
    using Setter = std::function<void(CPlotSettings&)>;

    bool Fail(const std::string& message)
    {
        m_error = m_option + ": " + message;
        return false;
    }
    void Change(Setter set)
    {
        m_options.changes.push_back({m_option, [set = std::move(set)](CSorvDoc&, CPlotSettings& s) {
                                         set(s);
                                         return true;
                                     }});
    }
    template <class T>
    bool Take(const FieldResult<T>& r, T& out)
    {
        if (!r.ok)
            return Fail(r.message);
        out = r.value;
        return true;
    }
    bool Fields(const std::string& value, std::size_t count, std::vector<std::string>& fields);
    bool Size(const std::string& value, int max, int& width, int& height);
    bool Int(const std::string& value, int min, int max, int& out) { return Take(FieldRules::ReadInt(value, min, max), out); }
    bool Chart(const std::string& value);
    bool Axis(const std::string& value, bool vertical);
    bool Colors(const std::string& value);
    bool Rotate(const std::string& value);
    bool Region(const std::string& value);
    bool Title(const std::string& value);
    bool Limit(const std::string& value, int CPlotSettings::*member);
    bool Scale(const std::string& value, double CPlotSettings::*member);
    bool Number(const std::string& value, int min, int max, int CPlotSettings::*member);

    BatchOptions& m_options;
    std::string& m_error;
    std::string m_option;
};

bool OptionReader::TakesValue(const std::string& name)
{
    static const char* const names[] = {
        "--chart",  "--size",   "--print-area", "--region",     "--vaxis",      "--haxis",  "--vlimit",  "--hlimit", "--title",
        "--colors", "--line-style", "--line-width", "--rotate", "--scale-y", "--scale-z", "--model", "--zoom"};
    for (const char* n : names) {
        if (name == n)
            return true;
    }
    return false;
}

bool OptionReader::Flag(const std::string& name)
{
    m_option = name;
    if (name == "--vlog")
        Change([](CPlotSettings& s) { s.m_bVLog = true; });
    else if (name == "--hlog")
        Change([](CPlotSettings& s) { s.m_bHLog = true; });
    else if (name == "--no-legend")
        Change([](CPlotSettings& s) { s.m_bLegend = false; });
    else
        return Fail("unknown option");
    return true;
}

bool OptionReader::Read(const std::string& name, const std::string& value)
{
    m_option = name + " " + value;
    ExportPage& page = m_options.page;
    if (name == "--chart")
        return Chart(value);
    if (name == "--size")
        return Size(value, kMaxClientPixels, page.clientWidth, page.clientHeight);
    if (name == "--print-area") {
        page.printArea = true;
        return Size(value, kMaxAreaMm, page.areaWidthMm, page.areaHeightMm);
    }
    if (name == "--region")
        return Region(value);
    if (name == "--vaxis" || name == "--haxis")
        return Axis(value, name == "--vaxis");
    if (name == "--vlimit")
        return Limit(value, &CPlotSettings::m_nVLimit);
    if (name == "--hlimit")
        return Limit(value, &CPlotSettings::m_nHLimit);
    if (name == "--title")
        return Title(value);
    if (name == "--colors")
        return Colors(value);
    if (name == "--line-style")
        return Number(value, PS_SOLID, PS_DASHDOTDOT, &CPlotSettings::m_nLineStyle);
    if (name == "--line-width")
        return Number(value, 0, 99, &CPlotSettings::m_nLineWidth);
    if (name == "--model")
        return Number(value, 0, 5, &CPlotSettings::m_nModel);
    if (name == "--rotate")
        return Rotate(value);
    if (name == "--scale-y")
        return Scale(value, &CPlotSettings::m_dScaleY);
    if (name == "--scale-z")
        return Scale(value, &CPlotSettings::m_dScaleZ);
    double zoom = 0.0;
    if (!Take(FieldRules::ReadDouble(value, kMinZoom, kMaxZoom), zoom))
        return false;
    Change([zoom](CPlotSettings& s) { s.m_dZoom = zoom; });
    return true;
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

bool OptionReader::Chart(const std::string& value)
{
    static const std::map<std::string, int> types = {{"scatter", 0}, {"line", 1}, {"stacked", 2}, {"3d", 3}};
    const auto it = types.find(value);
    if (it == types.end())
        return Fail("expected scatter, line, stacked or 3d");
    const int type = it->second;
    Change([type](CPlotSettings& s) { s.m_nGraphType = type; });
    return true;
}

bool OptionReader::Axis(const std::string& value, bool vertical)
{
    std::vector<std::string> f;
    double v[3] = {};
    if (!Fields(value, 3, f))
        return false;
    for (int i = 0; i < 3; ++i) {
        if (!Take(FieldRules::ReadDouble(f[std::size_t(i)]), v[i]))
            return false;
    }
    if (vertical) {
        Change([=](CPlotSettings& s) {
            s.m_dVMin = v[0];
            s.m_dVMax = v[1];
            s.m_dVStep = v[2];
        });
    } else {
        Change([=](CPlotSettings& s) {
            s.m_dHMin = v[0];
            s.m_dHMax = v[1];
            s.m_dHStep = v[2];
        });
    }
    return true;
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
    Change([=](CPlotSettings& s) {
        s.m_crForeground = c[0];
        s.m_crBackground = c[1];
        s.m_crView = c[2];
        s.m_crAxis = c[3];
    });
    return true;
}

bool OptionReader::Rotate(const std::string& value)
{
    std::vector<std::string> f;
    double v[3] = {};
    if (!Fields(value, 3, f))
        return false;
    for (int i = 0; i < 3; ++i) {
        if (!Take(FieldRules::ReadDouble(f[std::size_t(i)], 0.0, 360.0), v[i]))
            return false;
    }
    Change([=](CPlotSettings& s) { SetRotation(s, v[0], v[1], v[2]); });
    return true;
}

bool OptionReader::Region(const std::string& value)
{
    std::vector<std::string> f;
    int v[4] = {};
    if (!Fields(value, 4, f))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!Int(f[std::size_t(i)], 0, 65535, v[i]))
            return false;
    }
    m_options.changes.push_back(
        {m_option, [=](CSorvDoc& doc, CPlotSettings&) { return doc.SetRegion(v[0], v[1], v[2], v[3]); }});
    return true;
}

bool OptionReader::Title(const std::string& value)
{
    std::string title;
    if (!Take(FieldRules::ReadText(value, 128), title))
        return false;
    m_options.changes.push_back({m_option, [title](CSorvDoc& doc, CPlotSettings& s) {
                                     const QString text = QString::fromUtf8(title.data(), qsizetype(title.size()));
                                     s.m_strTitle = EncodeText(text, doc.m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
                                     return true;
                                 }});
    return true;
}

bool OptionReader::Limit(const std::string& value, int CPlotSettings::*member)
{
    unsigned n = 0;
    if (!Take(FieldRules::ReadUnsigned(value, 0, 9), n))
        return false;
    Change([=](CPlotSettings& s) { s.*member = int(n); });
    return true;
}

bool OptionReader::Scale(const std::string& value, double CPlotSettings::*member)
{
    double v = 0.0;
    if (!Take(FieldRules::ReadDouble(value, 1e-6, 1e6), v))
        return false;
    Change([=](CPlotSettings& s) { s.*member = v; });
    return true;
}

bool OptionReader::Number(const std::string& value, int min, int max, int CPlotSettings::*member)
{
    int v = 0;
    if (!Int(value, min, max, v))
        return false;
    Change([=](CPlotSettings& s) { s.*member = v; });
    return true;
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

}  // namespace

bool ParseBatchOptions(int argc, char** argv, BatchOptions& o, std::string& error)
{
    OptionReader reader(o, error);
    bool commandSeen = false;
    bool settingsSeen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool takesValue = arg == "--export" || OptionReader::TakesValue(arg);
        if (takesValue && i + 1 >= argc) {
            error = arg + ": a value is missing";
            return false;
        }
        if (arg == "--export") {
            if (!SetCommand(o, BatchOptions::Command::Export, commandSeen, error))
                return false;
            o.output = argv[++i];
        } else if (arg == "--info" || arg == "--dump") {
            if (!SetCommand(o, arg == "--info" ? BatchOptions::Command::Info : BatchOptions::Command::Dump, commandSeen,
                            error))
                return false;
        } else if (takesValue) {
            settingsSeen = true;
            if (!reader.Read(arg, argv[++i]))
                return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            settingsSeen = true;
            if (!reader.Flag(arg))
                return false;
        } else if (o.file.empty()) {
            o.file = arg;
        } else {
            error = arg + ": only one data file may be given";
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
        error = "--info and --dump take no other options";
        return false;
    }
    if (o.command == BatchOptions::Command::Export && ExportFormatOf(o.output) == ExportFormat::Unknown) {
        error = o.output + ": unknown output format (use .png, .svg, .pdf or .ops)";
        return false;
    }
    return true;
}

const char* BatchUsage()
{
    return "usage: sorv [FILE ...]\n"
           "       sorv --export OUT [OPTIONS] FILE   (OUT: .png, .svg, .pdf or .ops)\n"
           "       sorv --info FILE\n"
           "       sorv --dump FILE\n"
           "options:\n"
           "  --chart scatter|line|stacked|3d   --size WxH (pixels, 1..10000, default 800x600)\n"
           "  --print-area WxH (mm, 1..5000; printed layout)   --region X1,Y1,X2,Y2 (0..65535)\n"
           "  --vaxis MIN,MAX,STEP   --haxis MIN,MAX,STEP   --vlog   --hlog\n"
           "  --vlimit 0..9   --hlimit 0..9   --no-legend   --title TEXT (at most 128 bytes in Shift-JIS)\n"
           "  --colors FG,BG,VIEW,AXIS (each RRGGBB)   --line-style 0..4   --line-width 0..99\n"
           "  --rotate X,Y,Z (0..360 each)   --scale-y S   --scale-z S (0.000001..1000000)\n"
           "  --model 0..5   --zoom Z (0.2..5)\n";
}
