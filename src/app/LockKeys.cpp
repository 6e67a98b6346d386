#include "app/LockKeys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {
bool Indicator(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}
}  // namespace

std::optional<LockKeyState> QueryLockKeys()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    return LockKeyState{Indicator(display, "Caps Lock"), Indicator(display, "Num Lock"),
                        Indicator(display, "Scroll Lock")};
}
