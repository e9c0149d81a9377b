#include "platform/application.h"
#include "platform/fonts.h"
#include "windows/main/startup.h"
#include "windows/printing/printing.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    ConnectPlatformToSettings();
    UsePrintingLinkedIn(TolmarPrintingEntries());
    return RUN_ALL_TESTS();
}
