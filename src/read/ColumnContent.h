#pragma once
// What the cells of a column hold (numbers, date-times, texts or nothing),
// and the role that a first column takes from that.

#include "doc/XValues.h"
#include "read/ImportOptions.h"

#include <cstddef>
#include <string_view>

class CFieldScanner;

enum class CellKind { Missing, Number, Time, Text };

// True for the texts that spreadsheets and statistics programs write for a
// missing value: "NA", "N/A", "null", "-" and the like.
bool IsMissingMark(std::string_view text);

// A cell's text (trimmed, unquoted): empty cells and missing marks are
// Missing; value is set for a number, and for a date-time (its seconds).
CellKind ClassifyCell(std::string_view text, bool decimalComma, double& value);

class CColumnContent {
public:
    void Add(CellKind kind, double value);

    // As the first column: x for date-times and for numbers that rise and
    // never fall, labels for texts (or nothing), else a series.
    FirstColumn Role() const;
    XKind Kind() const { return m_nTimes > m_nNumbers ? XKind::Time : XKind::Number; }
    // Some cell is a number or a date-time.
    bool HoldsX() const { return m_nNumbers + m_nTimes > 0; }

private:
    std::size_t m_nNumbers = 0;
    std::size_t m_nTimes = 0;
    std::size_t m_nTexts = 0;
    bool m_bNeverFalls = true;
    double m_dFirst = 0.0;
    double m_dLast = 0.0;
};

// Cell cell of records from begin on: the first ones, then some spread to
// the scanner's end.
CColumnContent SampleColumn(const CFieldScanner& scanner, const char* begin, std::size_t cell, bool decimalComma);
