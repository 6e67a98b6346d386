#pragma once

#include <QString>

struct ImportWarning;
struct ReadFailure;

// Why a data file could not be read, in the words of the user interface.
QString ReadFailureText(const ReadFailure& failure);
// What an import got past, in the same words.
QString ImportWarningText(const ImportWarning& warning);
