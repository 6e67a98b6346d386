#pragma once
// The one application object of the drawing tests, with the chart fonts mapped.

#include "gfx/FontSubstitutions.h"
#include "gfx/PainterDC.h"

#include <QGuiApplication>

inline void EnsureGuiApp()
{
    if (QGuiApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "gfx_test";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: destroying it after Qt's own statics faults.
    new QGuiApplication(argc, argv);
    InstallFontSubstitutions();
}
