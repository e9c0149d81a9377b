// A program left running past midnight with the automatic leaving time: the
// clock moves on while the program runs, and the close asks for the leaving
// time of the day the program was started on.
#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// 15 March 2005, a Tuesday ("火" in CP932), as a line of 2005.dat with the
// leaving time.
std::string March15Line(const std::string& leaving) {
    return "\r\n74=3/15,\x89\xce,,,," + leaving + ",,0,0,\r\n";
}

// Starts the program on 15 March at 17:00, moves the clock to the time
// while it runs, closes it with "終了" and answers the leaving-time dialog
// with the keys; returns the time the dialog offered.
std::string RunUntil(const TempFolder& folder, const std::string& time, const std::string& keys) {
    TempFolder runtime;
    TempFolder clock;
    const auto clockFile = clock / "now";
    WriteBytes(clockFile, "@2005-03-15 17:00:00\n");
    RunningProgram program(folder.Path(), runtime.Path(), clockFile.string());
    auto main = program.WaitForMainWindow(20s);
    if (!main) {
        ADD_FAILURE() << "the main window did not appear";
        return {};
    }
    // Read again at every look at the clock: the next one sees the new time.
    WriteBytes(clockFile, "@" + time + "\n");
    ChooseEnd(*main);
    std::string dialog;
    if (!WaitFor([&] { return !(dialog = ShownWindow("退社時刻自動入力")).empty(); }, 10s)) {
        ADD_FAILURE() << "no leaving-time dialog at " << time;
        return {};
    }
    // The leaving time is the dialog's focused box, all of it selected.
    const std::string offered = CopyCurrentCell(dialog);
    TypeKeys(dialog, keys);
    EXPECT_EQ(program.WaitForExit(10s), 0);
    return offered;
}

TEST(PastMidnight, TheLeavingTimeIsAskedForCountedOnFromTheDayTheProgramStarted) {
    TempFolder folder;
    RunningProgram::Install(folder.Path());
    // "Autoendflg" 0 would overwrite the leaving time without asking.
    WriteSettings(folder.Path(), {{"Autoend", "1"}, {"Autoendflg", "0"}});

    // 1:30 the next morning is 25:30 of the 15th; OK writes it.
    EXPECT_EQ(RunUntil(folder, "2005-03-16 01:30:20", "key Return"), "25:30");
    EXPECT_NE(ReadBytes(folder / "2005.dat").find(March15Line("25:30")), std::string::npos);

    // Two mornings later: 56:29; "ｷｬﾝｾﾙ", after "+", "-" and "OK" in the
    // order of the keyboard, leaves the cell as it was.
    EXPECT_EQ(RunUntil(folder, "2005-03-17 08:29:20", "key Tab Tab Tab Tab space"), "56:29");
    EXPECT_NE(ReadBytes(folder / "2005.dat").find(March15Line("25:30")), std::string::npos);
}

} // namespace
