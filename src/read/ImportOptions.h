#pragma once
// How a column or row file is imported: which way the series run, what
// separates the cells, which columns are read, where x comes from, which
// lines are passed over and how decimals are written.

#include <string>
#include <vector>

enum class ImportDelimiter { Auto, Comma, Tab, Semicolon, Blank };

// What the first column read holds.
enum class FirstColumn {
    Data,     // a series (a value like the others)
    Labels,   // each line a series: its label; each column a series: the column's label on the H axis
    Skip,     // nothing wanted: left out
    X,        // each column a series: the x value of each of the document's columns
    Auto,     // as the file shows: x for date-times or numbers that never fall, labels for texts, else a series
};

// Columns of the file, numbered from 0: first..last, or the one whose header cell is name.
struct ColumnPick {
    int first = 0;
    int last = 0;        // INT_MAX: to the last column
    std::string name;    // not empty: a header name instead of numbers

    bool operator==(const ColumnPick&) const = default;
};

struct ImportOptions {
    bool columns = false;                            // each column a series (else each line)
    ImportDelimiter delimiter = ImportDelimiter::Auto;
    bool header = false;                             // the first line names the series (columns) or the columns (lines)
    bool detectHeader = false;                       // header as DetectImport finds it instead of as given
    FirstColumn firstColumn = FirstColumn::Labels;
    int xColumn = -1;                                // each column a series: another column (from 0) holding x
    bool xIndex = false;                             // no x: a first column that would be x is taken as labels
    int xRow = -1;                                   // each line a series: a row of data (from 0) taken as x
    std::vector<ColumnPick> use;                     // the columns to read; empty: all
    int skip = 0;                                    // lines passed over at the start, before anything else
    char comment = '#';                              // lines beginning with it are passed over; '\0' for none
    bool decimalComma = false;                       // "1,5" is one and a half

    bool operator==(const ImportOptions&) const = default;
};
