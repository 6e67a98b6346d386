#pragma once
// Splits the lines of an imported text into cells: one delimiter byte or
// runs of blanks, double quotes as spreadsheets write them (a doubled quote
// inside, delimiters and line breaks inside), comment lines and blank lines
// passed over.

#include "doc/ImportOptions.h"
#include "doc/ShortDecimal.h"

#include <cstddef>
#include <cstdint>
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
    // comment is passed over ('\0': no comment lines).
    CFieldScanner(ImportDelimiter delimiter, char eol, char comment, const char* end);

    // The first line at or after the line start p that is neither a comment
    // nor blanks alone; the end when there is none.
    const char* NextRecord(const char* p) const;

    // Calls onField for every cell of the record at p and returns where the
    // next line starts (the end after the last line).
    template <class OnField>
    const char* Record(const char* p, OnField&& onField) const;

    // Record with its first leading cells given to onLeading(field) and each
    // of the others read as a number: onValue(field, isNumber, value), as
    // Number would give them.
    template <class OnLeading, class OnValue>
    const char* Cells(const char* p, bool decimalComma, std::size_t leading, OnLeading&& onLeading,
                      OnValue&& onValue) const;

    // The number of cells of the record at p and the raw bytes of its first
    // cell; returns where the next line starts. Quicker than Record.
    const char* Count(const char* p, std::size_t& cells, std::size_t& firstBytes) const;

    // Counts the records that start in [begin, end) and checks its bytes
    // for UTF-8. The last record may run past end (a quoted line break).
    RecordCount CountRecords(const char* begin, const char* end) const;

    // Cuts [begin, end) into parts pieces of about equal size at line
    // starts: parts + 1 pointers, begin first and end last. A quoted cell
    // may hold line breaks: a cut can fall inside a record.
    std::vector<const char*> Split(const char* begin, std::size_t parts) const;

    // The cell as text: blanks around it trimmed, its quotes removed and a
    // doubled quote inside read as one. Points into the text or into scratch.
    std::string_view Text(const Field& f, std::string& scratch) const;

    // True when the whole cell (trimmed, unquoted) is a number; decimalComma
    // reads a comma as the decimal point.
    bool Number(const Field& f, bool decimalComma, double& value) const;

private:
    enum : unsigned char { kBlank = 1, kStop = 2 };   // byte classes, as bits

    unsigned char m_class[256] = {};
    alignas(16) char m_stopRows[4][16];   // the bytes that end a cell, each sixteen times
    char m_delim;       // the delimiter byte, unless blank runs separate
    char m_eol;
    char m_comment;
    bool m_blankRuns;   // runs of blanks separate cells
    const char* m_end;

    bool IsBlank(char c) const { return m_class[static_cast<unsigned char>(c)] & kBlank; }
    bool Stops(char c) const { return m_class[static_cast<unsigned char>(c)] & kStop; }
    const char* SkipBlanks(const char* p) const;
    const char* FindStop(const char* p) const;
    const char* PastNonRecords(const char* p) const;
    const char* LineAfter(const char* p) const;
    const char* TrimEnd(const char* begin, const char* end) const;
    // The byte after the quote that closes the one opened at q, or the end.
    const char* PastQuoted(const char* q, bool& unterminated) const;
    Field ScanField(const char* p) const;
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
    // The end of the cell that a number ending at stop fills; null when the
    // cell holds more.
    const char* NumberEnd(const char* stop) const;
    template <class Scan, class OnField>
    const char* Walk(const char* p, Scan&& scan, OnField&& onField) const;
};

template <class OnField>
const char* CFieldScanner::Record(const char* p, OnField&& onField) const
{
    return Walk(p, [this](const char* at) { return ScanField(at); }, onField);
}

template <class OnLeading, class OnValue>
const char* CFieldScanner::Cells(const char* p, bool decimalComma, std::size_t leading, OnLeading&& onLeading,
                                 OnValue&& onValue) const
{
    const Reading reading = ReadingOf(decimalComma);
    std::size_t cells = 0;
    bool number = false;
    double value = 0;
    return Walk(
        p, [&](const char* at) { return cells < leading ? ScanField(at) : ScanCell(at, reading, number, value); },
        [&](const Field& f) {
            if (cells++ < leading)
                onLeading(f);
            else
                onValue(f, number, value);
        });
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
template <class Scan, class OnField>
const char* CFieldScanner::Walk(const char* p, Scan&& scan, OnField&& onField) const
{
    if (!m_blankRuns) {
        for (;;) {
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
