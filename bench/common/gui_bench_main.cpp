// SPDX-License-Identifier: MIT
// The main of every benchmark that draws widgets or pages: an offscreen
// application with the fonts the program substitutes on a desktop.
#include "platform/pixel_font.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
