#include "windowbench.h"

#include "platform/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <string>

int RunWindowBenchmarks(int argc, char** argv, const char* platform) {
    const std::string name = platform;
    if (name == "xcb" && std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "%s draws in real windows and needs an X server (DISPLAY)\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    QApplication::setFont(ProgramFont(GothicFontName, 12));
    benchmark::AddCustomContext(
        "window system", name == "offscreen"
                             ? "offscreen: windows painted into memory, none on a screen"
                             : name + ": real windows on the display " + std::getenv("DISPLAY"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
