#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const char* const PreviewTitle = "プレビュー|Preview";

std::string OpenInputSheetPreview(const std::string& mainWindow) {
    RunCommand("xdotool windowactivate --sync " + mainWindow + " 2>/dev/null");
    ChooseMenuItem(mainWindow, "f", "p");
    std::string preview;
    if (WaitFor([&] { return !(preview = ShownWindow(PreviewTitle)).empty(); }, 15s)) {
        SettledPlacement(preview);
    }
    return preview;
}

bool PreviewCloses() {
    return WaitFor([] { return ShownWindow(PreviewTitle).empty(); }, 10s);
}

// The input sheet's preview stays open after a print (here, without a
// printer, into a PDF file) and closes by the window manager's close box and
// by Esc. While the chart and print module is not beside the program, a
// print says so in a box and the preview stays; the next print finds the
// module once it is back.
TEST(ReportPreview, StaysOpenAfterPrintingAndClosesByItsCloseBoxOrEsc) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    const fs::path module = folder / "tolmar-printing.so";
    const fs::path aside = folder / "aside.so";
    fs::rename(module, aside);
    RunningProgram program(folder.Path(), runtime.Path(), "2004-09-27 10:00:00");
    auto main = program.WaitForMainWindow(20s);
    ASSERT_TRUE(main);

    std::string preview = OpenInputSheetPreview(*main);
    ASSERT_FALSE(preview.empty()) << "the print command opened no preview";
    RunCommand("xdotool key ctrl+p");
    std::string box;
    ASSERT_TRUE(WaitFor([&] { return !(box = ShownWindow("^エラー$")).empty(); }, 10s))
        << "no box said that printing is not there";
    TypeKeys(box, "key Return");
    ASSERT_TRUE(WaitFor([] { return ShownWindow("^エラー$").empty(); }, 10s));
    EXPECT_EQ(ShownWindow(PreviewTitle), preview);
    fs::rename(aside, module);

    RunCommand("xdotool windowactivate --sync " + preview + " 2>/dev/null");
    RunCommand("xdotool key ctrl+p");
    std::string saveDialog;
    ASSERT_TRUE(WaitFor([&] { return !(saveDialog = ShownWindow("PDFﾌｧｲﾙ出力")).empty(); }, 10s))
        << "the print command asked for no file";
    TypeKeys(saveDialog, "key Return");
    const fs::path pdf = folder / "勤務時間.pdf";
    ASSERT_TRUE(WaitFor([&] { return fs::exists(pdf) && fs::file_size(pdf) > 0; }, 10s))
        << "no PDF was written";
    ASSERT_TRUE(WaitFor([] { return ShownWindow("PDFﾌｧｲﾙ出力").empty(); }, 10s));
    // Given a second to close, the preview stays.
    EXPECT_FALSE(WaitFor([&] { return ShownWindow(PreviewTitle) != preview; }, 1s))
        << "the preview closed after printing";

    RunCommand("xdotool windowactivate --sync " + preview + " 2>/dev/null");
    RunCommand("xdotool key alt+F4");
    EXPECT_TRUE(PreviewCloses()) << "the close box did not close the preview";

    ASSERT_FALSE(OpenInputSheetPreview(*main).empty());
    RunCommand("xdotool key Escape");
    EXPECT_TRUE(PreviewCloses()) << "Esc did not close the preview";

    RunCommand("xdotool windowactivate --sync " + *main + " 2>/dev/null");
    ChooseEnd(*main);
    EXPECT_EQ(program.WaitForExit(15s), 0);
}

} // namespace
