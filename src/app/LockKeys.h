#pragma once
// The state of the lock keys, where the windowing system tells it.

#include <optional>

struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Empty when the platform does not say (for instance without X11).
std::optional<LockKeyState> QueryLockKeys();
