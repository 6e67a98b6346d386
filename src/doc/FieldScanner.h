#pragma once
// Splits the lines of an imported text into cells: one delimiter byte or
// runs of blanks, double quotes as spreadsheets write them (a doubled quote
// inside, delimiters and line breaks inside), comment lines and blank lines
// passed over.

#include "doc/ImportOptions.h"

#include <cstddef>
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

    // Record with each cell read as a number: onCell(field, isNumber, value),
    // as Number would give them.
    template <class OnCell>
    const char* Cells(const char* p, bool decimalComma, OnCell&& onCell) const;

    // The number of cells of the record at p and the raw bytes of its first
    // cell; returns where the next line starts. Quicker than Record.
    const char* Count(const char* p, std::size_t& cells, std::size_t& firstBytes) const;

    // Cuts [begin, end) into parts pieces of about equal size at record
    // starts: parts + 1 pointers, begin first and end last.
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
    char m_delim;       // the delimiter byte, unless blank runs separate
    char m_eol;
    char m_comment;
    bool m_blankRuns;   // runs of blanks separate cells
    const char* m_end;

    bool IsBlank(char c) const { return m_class[static_cast<unsigned char>(c)] & kBlank; }
    bool Stops(char c) const { return m_class[static_cast<unsigned char>(c)] & kStop; }
    const char* SkipBlanks(const char* p) const;
    const char* LineAfter(const char* p) const;
    const char* TrimEnd(const char* begin, const char* end) const;
    // The byte after the quote that closes the one opened at q, or the end.
    const char* PastQuoted(const char* q, bool& unterminated) const;
    Field ScanField(const char* p) const;
    Field ScanCell(const char* p, bool decimalComma, bool& number, double& value) const;
    template <class Scan, class OnField>
    const char* Walk(const char* p, Scan&& scan, OnField&& onField) const;
    bool OpensField(const char* quote, const char* record) const;
    const char* PastQuote(const char* quote, const char* p, const char*& record) const;
    const char* CutAfter(const char* target, const char*& p, const char*& record) const;
};

template <class OnField>
const char* CFieldScanner::Record(const char* p, OnField&& onField) const
{
    return Walk(p, [this](const char* at) { return ScanField(at); }, onField);
}

template <class OnCell>
const char* CFieldScanner::Cells(const char* p, bool decimalComma, OnCell&& onCell) const
{
    bool number = false;
    double value = 0;
    return Walk(
        p, [&](const char* at) { return ScanCell(at, decimalComma, number, value); },
        [&](const Field& f) { onCell(f, number, value); });
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
