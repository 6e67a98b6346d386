#pragma once
// Splits the lines of an imported text into cells: one delimiter byte or
// runs of blanks, double quotes as spreadsheets write them (a doubled quote
// inside, delimiters and line breaks inside), comment lines and blank lines
// passed over.

#include "read/ChunkParser.h"
#include "read/ImportOptions.h"
#include "read/ShortDecimal.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// One cell's raw bytes, without the delimiter that ends it.
struct Field {
    const char* begin = nullptr;
    const char* end = nullptr;
    bool quoted = false;        // its first byte after blanks is a double quote
    bool unterminated = false;  // ... and no closing quote follows it
};

// Where a record's values go, and what they were: value k of the record at
// values[k * step], as long as k < width (more cells than the counting pass
// saw never come). A cell that is no number is NaN, a missing value.
struct ValueOut {
    double* values = nullptr;
    std::size_t step = 1;
    std::size_t width = 0;
    std::size_t cells = 0;               // the record's value cells so far
    // Over all the records written:
    std::uint64_t missing = 0;
    ValueRange range;
    const char* unterminated = nullptr;  // a cell whose quote is never closed

    void Put(const Field& f, bool number, double value);
};

// What a count of records finds.
struct RecordCount {
    std::uint64_t records = 0;
    std::size_t widest = 0;         // most cells in one record
    std::size_t labelBytes = 0;     // raw bytes of the records' first cells
    const char* reach = nullptr;    // where the last record ends (the start when there is none)
    bool utf8 = true;               // the bytes counted are valid UTF-8

    void Add(std::size_t cells, std::size_t firstBytes, const char* next);
};

class CFieldScanner {
public:
    // delimiter must not be Auto. eol ends a line; a line beginning with
    // comment is passed over ('\0': no comment lines) unless it is a line of
    // the table (SetTableCells).
    CFieldScanner(ImportDelimiter delimiter, char eol, char comment, const char* end);

    // A line beginning with the comment character that has cells as many as
    // this and a number after its first is data, not a comment (0: never).
    void SetTableCells(std::size_t cells) { m_tableCells = cells; }
    const char* End() const { return m_end; }
    // The number of cells of the line at p, read within that line.
    std::size_t CellsInLine(const char* p) const;
    // Calls onField for every cell of the line at p, read within that line.
    template <class OnField>
    void InLine(const char* p, OnField&& onField) const
    {
        LineScanner(p).Record(p, onField);
    }

    // The first line at or after the line start p that is neither a comment
    // nor blanks alone; the end when there is none.
    const char* NextRecord(const char* p) const;

    // Calls onField for every cell of the record at p and returns where the
    // next line starts (the end after the last line).
    template <class OnField>
    const char* Record(const char* p, OnField&& onField) const;

    // Record with its first leading cells given to onLeading(field) and each
    // of the others read as a number, as Number would read it, into out.
    template <class OnLeading>
    const char* Values(const char* p, bool decimalComma, std::size_t leading, OnLeading&& onLeading,
                       ValueOut& out) const;

    // The number of cells of the record at p and the raw bytes of its first
    // cell; returns where the next line starts. Quicker than Record.
    const char* Count(const char* p, std::size_t& cells, std::size_t& firstBytes) const;

    // Cuts [begin, end) into parts pieces of about equal size at line
    // starts: parts + 1 pointers into cuts, begin first and end last. A
    // quoted cell may hold line breaks: a cut can fall inside a record.
    void Split(const char* begin, std::size_t parts, std::vector<const char*>& cuts) const;

    // The cell as text: blanks around it trimmed, its quotes removed and a
    // doubled quote inside read as one. Points into the text or into scratch.
    std::string_view Text(const Field& f, std::string& scratch) const;

    // True when the whole cell (trimmed, unquoted) is a number; decimalComma
    // reads a comma as the decimal point.
    bool Number(const Field& f, bool decimalComma, double& value) const;
    // The same for a text already trimmed and unquoted.
    static bool ReadNumber(std::string_view text, bool decimalComma, double& value);

private:
    enum : unsigned char { kBlank = 1, kStop = 2 };   // byte classes, as bits

    unsigned char m_class[256] = {};
    alignas(16) char m_stopRows[4][16];   // the bytes that end a cell, each sixteen times
    char m_delim;       // the delimiter byte, unless blank runs separate
    char m_eol;
    char m_comment;
    bool m_blankRuns;   // runs of blanks separate cells
    const char* m_end;
    std::size_t m_tableCells = 0;

    bool IsBlank(char c) const { return m_class[static_cast<unsigned char>(c)] & kBlank; }
    bool Stops(char c) const { return m_class[static_cast<unsigned char>(c)] & kStop; }
    const char* SkipBlanks(const char* p) const;
    const char* FindStop(const char* p) const;
    const char* PastNonRecords(const char* p) const;
    bool IsTableLine(const char* p) const;
    // A copy that reads only the line at p.
    CFieldScanner LineScanner(const char* p) const;
    const char* LineAfter(const char* p) const;
    const char* TrimEnd(const char* begin, const char* end) const;
    // The byte after the quote that closes the one opened at q, or the end.
    const char* PastQuoted(const char* q, bool& unterminated) const;
    Field ScanField(const char* p) const;
    std::string_view Unquoted(const char* b, const char* e, std::string& scratch) const;
    const char* CountFields(const char* p, std::size_t& cells, std::size_t& firstBytes) const;
    // How the cells read as numbers, settled once a record.
    struct Reading {
        bool decimalComma;
        char point;
        bool fromStart;   // a number can be read straight from a cell's start: the point is no delimiter
    };
    Reading ReadingOf(bool decimalComma) const;
    Field ScanCell(const char* p, Reading reading, bool& number, double& value) const;
    Field ScanOtherCell(const char* p, Reading reading, bool& number, double& value) const;
    const char* ReadDecimals(const char* p, Reading reading, ValueOut& out, bool& ended) const;
    // The end of the cell that a number ending at stop fills; null when the
    // cell holds more.
    const char* NumberEnd(const char* stop) const;
    // Reads no cell in one go.
    struct NoRun {
        const char* operator()(const char* p, bool&) const { return p; }
    };
    template <class Scan, class OnField, class Run = NoRun>
    const char* Walk(const char* p, Scan&& scan, OnField&& onField, Run&& run = Run()) const;
};

template <class OnField>
const char* CFieldScanner::Record(const char* p, OnField&& onField) const
{
    return Walk(p, [this](const char* at) { return ScanField(at); }, onField);
}

// Runs of short plain decimals, the cells of most data files, are read in
// one loop; the cells between them one at a time.
template <class OnLeading>
const char* CFieldScanner::Values(const char* p, bool decimalComma, std::size_t leading, OnLeading&& onLeading,
                                  ValueOut& out) const
{
    const Reading reading = ReadingOf(decimalComma);
    out.cells = 0;
    std::size_t cells = 0;
    bool number = false;
    double value = 0;
    const auto scan = [&](const char* at) {
        return cells < leading ? ScanField(at) : ScanCell(at, reading, number, value);
    };
    const auto take = [&](const Field& f) {
        if (cells++ < leading)
            onLeading(f);
        else
            out.Put(f, number, value);
    };
    return Walk(p, scan, take, [&](const char* at, bool& ended) {
        return cells < leading || !reading.fromStart ? at : ReadDecimals(at, reading, out, ended);
    });
}

inline void ValueOut::Put(const Field& f, bool number, double value)
{
    if (f.unterminated)
        unterminated = f.begin;
    if (cells >= width) {
        ++cells;
        return;
    }
    const double v = number ? value : std::numeric_limits<double>::quiet_NaN();
    values[cells++ * step] = v;
    missing += v != v;
    range.Add(v);
}

// A cell that is a short plain decimal ends right after it: it is read at
// once, without a scan for the cell's end. Anything else is left to ScanOtherCell.
inline Field CFieldScanner::ScanCell(const char* p, Reading reading, bool& number, double& value) const
{
    const char* stop = nullptr;
    if (reading.fromStart && p != m_end && ReadShortDecimal(p, m_end, reading.point, value, stop)) {
        if (const char* end = NumberEnd(stop)) {
            number = true;
            return Field{p, end};
        }
    }
    return ScanOtherCell(p, reading, number, value);
}

inline CFieldScanner::Reading CFieldScanner::ReadingOf(bool decimalComma) const
{
    const char point = decimalComma ? ',' : '.';
    return {decimalComma, point, m_blankRuns || m_delim != point};
}

// In line: most cells are not quoted, and most labels are such cells.
inline std::string_view CFieldScanner::Text(const Field& f, std::string& scratch) const
{
    const char* b = f.begin;
    const char* e = f.end;
    while (b != e && IsBlank(*b))
        ++b;
    while (e != b && IsBlank(e[-1]))
        --e;
    return f.quoted ? Unquoted(b, e, scratch) : std::string_view(b, std::size_t(e - b));
}

// Most lines are records: they begin with what is no blank, no line end
// and no comment.
inline const char* CFieldScanner::NextRecord(const char* p) const
{
    if (p != m_end && !IsBlank(*p) && *p != m_eol && (m_comment == '\0' || *p != m_comment))
        return p;
    return PastNonRecords(p);
}

inline const char* CFieldScanner::NumberEnd(const char* stop) const
{
    if (stop == m_end || Stops(*stop))
        return stop;
    if (*stop == '\r' && stop + 1 != m_end && stop[1] == m_eol)
        return stop + 1;   // a CR LF line end: the CR belongs to the cell
    return nullptr;
}

// The cells of the record at p, each scanned by scan(start of the cell).
// Between delimiters, run(p, ended) may first read a run of cells in one
// go, and say that the record ended with them.
template <class Scan, class OnField, class Run>
const char* CFieldScanner::Walk(const char* p, Scan&& scan, OnField&& onField, Run&& run) const
{
    if (!m_blankRuns) {
        for (;;) {
            bool ended = false;
            p = run(p, ended);
            if (ended)
                return p;
            const Field f = scan(p);
            onField(f);
            if (f.end == m_end)
                return m_end;
            if (*f.end == m_eol)
                return f.end + 1;
            p = f.end + 1;
        }
    }
    for (p = SkipBlanks(p); p != m_end && *p != m_eol; p = SkipBlanks(p)) {
        const Field f = scan(p);
        onField(f);
        p = f.end;
    }
    return p == m_end ? m_end : p + 1;
}
