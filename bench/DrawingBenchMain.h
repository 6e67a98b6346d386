#pragma once
// The main of a drawing benchmark: an offscreen GUI application with the
// chart fonts mapped, then the benchmarks.

#include "gfx/FontSubstitutions.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

inline int RunDrawingBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
