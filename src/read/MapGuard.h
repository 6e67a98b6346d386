#pragma once
// A mapped file that another program shortens while it is read loses the
// pages past its new end, and touching one raises SIGBUS, which would kill
// the program. Work run under this guard reads zeros there instead, runs to
// its end (no frame is jumped over, nothing leaks) and gets false back.

#include <functional>

// Runs work on this thread; false when it touched a vanished page of
// [begin, end), which then reads as zeros. Guards nest: every guard whose
// range holds the page learns of it.
bool RunGuarded(const char* begin, const char* end, const std::function<void()>& work);
