#pragma once
// A mapped file that another program shortens while it is read loses the
// pages past its new end, and touching one raises SIGBUS, which would kill
// the program. Work run under this guard gets false back instead.

#include <functional>

// Runs work on this thread; false when it touched a vanished page of
// [begin, end) (work then ended at that access). Guards nest: a fault goes
// to the innermost guard whose range holds it.
bool RunGuarded(const char* begin, const char* end, const std::function<void()>& work);
