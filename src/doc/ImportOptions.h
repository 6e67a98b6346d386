#pragma once
// How a column or row file is imported: which way the series run, what
// separates the cells, which lines are passed over and how decimals are written.

enum class ImportDelimiter { Auto, Comma, Tab, Semicolon, Blank };

// What the first cell of each line holds.
enum class FirstColumn {
    Data,     // a value like the others
    Labels,   // each line a series: its label; each column a series: the column's label on the H axis
    Skip,     // nothing wanted: left out
};

struct ImportOptions {
    bool columns = false;                            // each column a series (else each line)
    ImportDelimiter delimiter = ImportDelimiter::Auto;
    bool header = false;                             // the first line names the series (columns) or the columns (lines)
    FirstColumn firstColumn = FirstColumn::Labels;
    int skip = 0;                                    // lines passed over at the start, before anything else
    char comment = '#';                              // lines beginning with it are passed over; '\0' for none
    bool decimalComma = false;                       // "1,5" is one and a half
    // The header and the first column are taken from DetectImport, and a
    // decimal comma when it finds one; the rest stays as given.
    bool detectLayout = false;
};
