// The main() of the benchmarks that open windows: an application object on
// the offscreen platform with the program's fonts, then the benchmarks.
#include "platform/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    QApplication::setFont(ProgramFont(GothicFontName, 12));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
