// Appends: a text is read whole up to a point the input chooses (by the
// default reader or imported with options from the input), then the rest is
// appended to the file and read by its new lines. When the append is taken,
// the data must be what a read again of the file's whole lines gives (a last
// line without its end waits), and the data published before must not have
// changed.

#include "FuzzImport.h"
#include "FuzzInput.h"

#include "doc/SorvDoc.h"
#include "read/DocAppend.h"
#include "read/ReadRequest.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A file of this process's own, in memory where the system has it, removed
// when the process ends.
struct OwnFile {
    std::string path;
    OwnFile()
    {
        const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        path = std::string(dir) + "/sorv-append-fuzz-" + std::to_string(getpid()) + ".csv";
    }
    ~OwnFile() { unlink(path.c_str()); }
};

const std::string& FilePath()
{
    static const OwnFile file;
    return file.path;
}

void Write(std::string_view text, std::ios::openmode mode)
{
    std::ofstream(FilePath(), std::ios::binary | std::ios::out | mode).write(text.data(), std::streamsize(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const bool imported = in.Flag();
    const ImportOptions options = Options(in);
    const int split = in.Int(0, 1 << 16);
    const std::string_view text = in.Rest();
    const std::size_t at = std::size_t(split) % (text.size() + 1);
    Write(text.substr(0, at), std::ios::trunc);

    CSorvDoc first;
    ReadOutcome outcome;
    const ReadRequest request{FilePath(), imported ? std::optional(options) : std::nullopt};
    if (!ReadDocument(request, first, {.threads = 1, .markEnd = true}, outcome) || !outcome.mark.appendable)
        return 0;
    const CDocSnapshot before = first.Snapshot();
    std::vector<double> cells;
    for (int r = 0; r < before->m_nRows; ++r)
        cells.insert(cells.end(), before->Row(r), before->Row(r) + before->m_nCols);

    Write(text.substr(at), std::ios::app);
    const AppendOutcome appended = AppendToData(FilePath(), before.Data(), outcome.mark, {.threads = 1});
    if (appended.result != AppendOutcome::Result::Appended)
        return 0;
    CSorvDoc grown;
    grown.Adopt(appended.data);
    Write(text.substr(0, appended.mark.end), std::ios::trunc);
    CSorvDoc whole;
    ReadOutcome again;
    Check(ReadDocument({FilePath(), outcome.used}, whole, {.threads = 1}, again));
    CheckSame(grown, whole, false);
    std::size_t i = 0;
    for (int r = 0; r < before->m_nRows; ++r)
        for (int c = 0; c < before->m_nCols; ++c)
            Check(SameBits(before->Value(r, c), cells[i++]));
    return 0;
}
