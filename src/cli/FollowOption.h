#pragma once
// --follow N: the viewer's files follow their latest data, the region on
// their last N columns (0: every column) with automatic update on; --export
// draws the region that the window would show.

#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

bool IsFollowOption(std::string_view arg);

// N of --follow N, 0 or more; false with the cause in error.
bool ReadFollowColumns(const std::string& value, int& columns, std::string& error);

// Takes every --follow and its value out of the viewer's args (the options
// end at a lone "--"); the last one given counts. False with the cause in
// error on a missing or bad value.
bool TakeFollowOption(QStringList& args, std::optional<int>& columns, std::string& error);
