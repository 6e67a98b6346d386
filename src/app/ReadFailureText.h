#pragma once

#include <QString>

struct ReadFailure;

// Why a data file could not be read, in the words of the user interface.
QString ReadFailureText(const ReadFailure& failure);
