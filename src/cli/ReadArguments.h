#pragma once
// The reading options of the command line, the same for the viewer and the
// batch commands: --columns, --rows, --delimiter NAME, --header yes|no|auto,
// --x first|column:N|row:N|index, --use LIST, --skip N, --comment C and
// --decimal-comma. Any of them but --rows reads the files with the importer;
// --rows reads them with the row reader, even where the viewer would import.

#include "cli/OptionSummary.h"
#include "read/ImportOptions.h"
#include "read/ReadOptions.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CSorvDoc;
struct ReadOutcome;
struct ReadRequest;

// How the command line asks for its files to be read.
struct ReadChoice {
    std::optional<ImportOptions> import;   // reading options given: the importer with them
    bool rows = false;                     // --rows: the row reader
};

// True when name is a reading option; ReadOptionTakesValue: one that takes a value.
bool IsReadOption(std::string_view name);
bool ReadOptionTakesValue(std::string_view name);

// Applies the option name (value: its argument, null for a switch) to
// choice, whose import it creates with the defaults of the command line when
// there is none yet. False with the cause in error on a bad value.
bool ApplyReadOption(std::string_view name, const std::string* value, ReadChoice& choice, std::string& error);
// False with the cause in error for reading options that do not go together.
bool CheckReadChoice(const ReadChoice& choice, std::string& error);

// The index of the first lone "--" in argv[1..argc-1], argc if there is none:
// the options end there, and every argument after it is a file.
int OptionsEnd(int argc, char** argv);

// The viewer's arguments: the reading options, applied to choice, and the
// files in their order (after a lone "--" only files). False with the cause in
// error on a bad option.
bool ParseViewerArguments(const QStringList& args, QStringList& files, ReadChoice& choice, std::string& error);

// The delimiters' names as the command line and the recent-file list write them.
const char* DelimiterName(ImportDelimiter delimiter);
std::optional<ImportDelimiter> DelimiterFromName(std::string_view name);

// The lines of the usage text that name the reading options.
const char* ReadOptionsUsage();
// The reading options, in the order of the usage text.
std::vector<OptionSummary> ReadOptionSummaries();

// What standard input is called where a file's name would stand: "標準入力", translated.
QString StandardInputName();

// Reads the request into doc as ReadDocument does; the document of standard
// input takes StandardInputName as its title instead of "-".
bool ReadRequestedDocument(const ReadRequest& request, CSorvDoc& doc, const ReadOptions& options,
                           ReadOutcome& outcome);
