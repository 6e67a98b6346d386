#pragma once
// What the command line says about how it read a file: the options an
// import used, and how the importer reads a file that the row reader refused.

#include "read/ImportOptions.h"

#include <string>

// "column-wise: comma, header, first column x"; xFromHeader: the header
// gave each column its x value.
std::string DescribeImport(const ImportOptions& used, bool xFromHeader);

// Follows the row reader's refusal: how the importer reads the file
// instead, naming the option that asks for it (rowsGiven: --rows was given).
std::string ImportHint(const ImportOptions& importable, bool rowsGiven);
