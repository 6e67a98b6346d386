// The command line: bytes split at NUL into arguments, parsed as the batch
// commands and the viewer parse them, and each argument through the field
// rules that the dialogs share. What is accepted must be usable: the parsed
// changes apply to a document, a number read back is within its range, the
// text a dialog shows reads back, and a title counted as fitting encodes
// within its count.

#include "FuzzInput.h"
#include "read/RowReader.h"

#include "cli/BatchCommand.h"
#include "cli/BatchOptions.h"
#include "cli/ReadArguments.h"
#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "page/DocumentAxes.h"
#include "page/PageDraw.h"
#include "settings/FieldRules.h"
#include "settings/PlotSettings.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckFieldRules(const std::string& text)
{
    const FieldResult<int> i = FieldRules::ReadInt(text, 0, FieldRules::kMaxRegionIndex);
    Check(!i.ok || (i.value >= 0 && i.message.Text().empty()));
    Check(i.ok || !i.message.Text().empty());
    const FieldResult<int> w = FieldRules::ReadInt(text, -5, 99);
    Check(!w.ok || (w.value >= -5 && w.value <= 99));
    const FieldResult<unsigned> u = FieldRules::ReadUnsigned(text, 0, 9);
    Check(!u.ok || u.value <= 9);
    const FieldResult<double> d = FieldRules::ReadDouble(text);
    if (d.ok) {
        Check(std::isfinite(d.value));
        // What the Axis dialog would show for it reads back as a number.
        const FieldResult<double> shown = FieldRules::ReadDouble(FieldRules::FormatNumber(d.value));
        Check(shown.ok);
    }
    const FieldResult<double> r = FieldRules::ReadDouble(text, 1e-6, 1e6);
    Check(!r.ok || (r.value >= 1e-6 && r.value <= 1e6));
    // A title counted within 128 bytes encodes to at most that many.
    const int counted = FieldRules::ShiftJisLength(text);
    const std::string encoded = EncodeText(QString::fromUtf8(text.data(), qsizetype(text.size())), TextEncoding::ShiftJis);
    Check(int(encoded.size()) <= counted);
    Check(FieldRules::ReadText(text, 128).ok == (counted <= 128));
}

void ApplyToDocument(const BatchOptions& o)
{
    CSorvDoc doc;
    ReadFailure error;
    if (!ReadText(doc, "a,1,2,3\nb,4,5,6\nc,7,8,9\n", error))
        std::abort();
    CPlotSettings s;
    InitialUpdate(s, doc);
    for (const BatchOptions::Change& change : o.changes)
        change.apply(doc, s);
    Check(doc.RegionInMatrix());
    Check(s.m_nLineWidth >= 0 && s.m_nLineWidth <= 99 && s.m_nVLimit >= 0 && s.m_nVLimit <= 9);
    Check(s.m_dZoom >= 0.2 && s.m_dZoom <= 5.0);
    Check(s.m_strTitle.size() <= 4 * 128);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string_view text = in.Rest();
    std::vector<std::string> args{"sorv"};
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size() && args.size() < 40; ++i) {
        if (i == text.size() || text[i] == '\0') {
            args.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int argc = int(args.size());

    BatchOptions o;
    std::string error;
    if (ParseBatchOptions(argc, argv.data(), o, error)) {
        Check(error.empty() && !o.file.empty());
        Check(o.page.clientWidth >= 1 && o.page.clientWidth <= 10000 && o.page.areaHeightMm >= 1);
        ApplyToDocument(o);
    } else {
        Check(!error.empty());
    }
    IsBatchCommand(argc, argv.data());
    // The viewer's arguments: every one is a file or a reading option.
    QStringList viewerArgs;
    for (std::size_t i = 1; i < args.size(); ++i)
        viewerArgs.append(QString::fromLocal8Bit(args[i].data(), qsizetype(args[i].size())));
    QStringList files;
    ReadChoice read;
    std::string viewerError;
    if (ParseViewerArguments(viewerArgs, files, read, viewerError))
        Check(files.size() <= viewerArgs.size());
    else
        Check(!viewerError.empty());
    for (std::size_t i = 1; i < args.size(); ++i)
        CheckFieldRules(args[i]);
    return 0;
}
