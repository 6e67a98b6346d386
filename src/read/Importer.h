#pragma once
// Imports the files people have (column files with a header line, tabs,
// semicolons, quotes, decimal commas) into a document with the same matrix,
// labels, range and region as the default reader gives. Empty and
// non-numeric cells are missing values (NaN).

#include "read/ImportOptions.h"
#include "read/ReadFailure.h"
#include "read/ReadOptions.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CReadPass;
class CSorvDoc;
struct Conversion;
struct ImportBody;

// Something the import got past, for the status bar.
struct ImportWarning {
    enum class Kind {
        RaggedLines,        // lines shorter than the widest, padded with missing values
        UnterminatedQuote,  // a quote never closed: read to the end of the file
        UnnamedSeries,      // more columns than the header names
    };
    Kind kind;
    long long count;        // lines or series concerned
    long long line;         // the first line concerned, from 1
    std::string text;       // in one English line
};

class CImporter {
public:
    // The text is converted in pieces (0: as many as its size calls for) on
    // threads threads (0: one per core). The result depends on neither.
    explicit CImporter(const ImportOptions& options, unsigned pieces = 0, unsigned threads = 0);

    // Reads the whole text (a file's bytes) into doc, reporting to
    // options.progress and stopping when it is cancelled. On failure doc is
    // left as it was and GetFailure says why.
    bool Import(std::string_view text, CSorvDoc& doc, const ReadOptions& options = {});

    const ReadFailure& GetFailure() const { return m_failure; }
    const std::vector<ImportWarning>& GetWarnings() const { return m_warnings; }
    // The options as the last import used them: an automatic delimiter, the
    // header and the first column's role resolved.
    const ImportOptions& GetOptions() const { return m_options; }

private:
    struct Plan;

    ImportOptions m_given;
    ImportOptions m_options;   // as the current import uses them
    unsigned m_pieces;
    unsigned m_threads;
    std::uint64_t m_nMemoryLimit = 0;   // bytes the matrix and labels may take
    bool m_bAppended = false;           // reading lines appended to a file read before
    ReadFailure m_failure;
    std::vector<ImportWarning> m_warnings;

    bool Fail(ReadError code, std::string text, std::uint64_t rows = 0, std::uint64_t cols = 0);
    bool ImportText(std::string_view text, CReadPass& pass, CSorvDoc& doc);
    std::size_t Pieces(std::size_t bytes) const;
    const char* ReadHeader(const ImportBody& body, Plan& plan);
    bool Measure(const ImportBody& body, Plan& plan);
    bool CheckShape(const Plan& plan);
    void PrepareOutputs(Plan& plan, Conversion& conversion);
    bool Convert(Plan& plan);
    void SettleX(Plan& plan);
    bool CheckXRow(const Plan& plan);
    void Adopt(Plan& plan, bool utf8, CSorvDoc& doc);
    void Warn(const ImportBody& body, const Plan& plan);
};
