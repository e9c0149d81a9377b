#include "tests/common/tempfolder.h"
#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// CP932 texts of the files.
#define KYUJITSU "\x8b\x78\x93\xfa"                 // 休日
#define NICHI "\x93\xfa"                            // 日 (Sunday)
#define KOKUMIN "\x8d\x91\x96\xaf\x82\xcc" KYUJITSU // 国民の休日
#define FURIKAE "\x90\x55\x91\xd6" KYUJITSU         // 振替休日

// The dates ("m/dd") of a day file whose kind is "休日" on a day that is not
// a Sunday, the only weekly rest day of the default settings.
std::set<std::string> RestDaysBesideSundays(const std::string& dayFile) {
    std::set<std::string> days;
    std::istringstream lines(dayFile);
    for (std::string line; std::getline(lines, line);) {
        // d=m/dd,weekday,kind,...
        std::size_t date = line.find('=');
        std::size_t weekday = line.find(',');
        std::size_t kind = line.find(',', weekday + 1);
        if (date == std::string::npos || weekday == std::string::npos ||
            kind == std::string::npos) {
            continue;
        }
        if (line.compare(kind + 1, 4, KYUJITSU) == 0 &&
            line.substr(weekday + 1, kind - weekday - 1) != NICHI) {
            days.insert(line.substr(date + 1, weekday - date - 1));
        }
    }
    return days;
}

std::string WaitForShown(const std::string& title) {
    std::string id;
    WaitFor([&] { return !(id = ShownWindow(title)).empty(); }, 20s);
    return id;
}

// Accepts the proposed name of the save dialog that a CSV export opens.
bool AcceptProposedFile(const std::string& window, const std::string& menuKeys) {
    if (!ChooseMenuItem(window, "f", menuKeys)) {
        return false;
    }
    std::string dialog = WaitForShown("Save As|名前を付けて保存");
    if (dialog.empty()) {
        return false;
    }
    TypeKeys(dialog, "key Return");
    return WaitFor([] { return ShownWindow("Save As|名前を付けて保存").empty(); }, 10s);
}

// On 2026-12-07 the program serves today like any year: its holidays,
// month steps two years back and forth, and the year lists of the ledger,
// the holiday editor and the 12-month summary.
TEST(PresentYears, TodayIsAServedYearWithItsHolidaysStepsAndYearLists) {
    TempFolder folder;
    TempFolder runtime;
    RunningProgram::Install(folder.Path());
    WriteSettings(folder.Path(), {{"Saveflg", "1"}}); // a step into another year saves
    RunningProgram program(folder.Path(), runtime.Path(), "2026-12-07 10:00:00");
    auto window = program.WaitForMainWindow(20s);
    ASSERT_TRUE(window);

    // "検索(&S)" -> "前月(&B)" / "次月(&N)"; the 7th stays selected at the
    // wake-up column.
    for (int step = 0; step < 24; ++step) {
        ASSERT_TRUE(ChooseMenuItem(*window, "s", "b")) << step;
    }
    TypeKeys(*window, "type --delay 40 630");
    for (int step = 0; step < 24; ++step) {
        ASSERT_TRUE(ChooseMenuItem(*window, "s", "n")) << step;
    }
    TypeKeys(*window, "type --delay 40 700");
    ChooseSave(*window);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2026.dat"); }, 10s));

    // "表示" -> "有給休暇集計": its year list holds 2026 in its place, one
    // step above 2027. From "閉じる", six steps back reach the list.
    ASSERT_TRUE(ChooseMenuItem(*window, "v", "Return"));
    std::string ledger = WaitForShown("^有給休暇$");
    ASSERT_FALSE(ledger.empty());
    TypeKeys(ledger, "key --delay 100 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab "
                     "Down");
    ASSERT_TRUE(AcceptProposedFile(ledger, "Down Down Return"));
    EXPECT_TRUE(WaitFor([&] { return fs::exists(folder / "2027年度有給休暇.csv"); }, 10s));
    ASSERT_TRUE(ChooseMenuItem(ledger, "f", "c"));
    ASSERT_TRUE(WaitFor([] { return ShownWindow("^有給休暇$").empty(); }, 10s));

    // "ｵﾌﾟｼｮﾝ" -> "環境設定", second tab: "保存" writes 2026's calendar; the
    // list's next year is 2027.
    ASSERT_TRUE(ChooseMenuItem(*window, "o", "e"));
    std::string settings = WaitForShown("^環境設定$");
    ASSERT_FALSE(settings.empty());
    SettledPlacement(settings);
    TypeKeys(settings, "key ctrl+Tab");
    ClickInWindow(settings, 455, 84); // "保存" beside the year list
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2026H.dat"); }, 10s));
    TypeKeys(settings, "key --delay 100 shift+Tab Down");
    ClickInWindow(settings, 455, 84);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder / "2027H.dat"); }, 10s));
    ClickInWindow(settings, 640 - 51, 480 - 21); // "ｷｬﾝｾﾙ"
    ASSERT_TRUE(WaitFor([] { return ShownWindow("^環境設定$").empty(); }, 10s));

    // "表示" -> "期間集計" opens on January 2026 without a box.
    ASSERT_TRUE(ChooseMenuItem(*window, "v", "y"));
    std::string summary = WaitForShown("^期間集計$");
    ASSERT_FALSE(summary.empty());
    ASSERT_TRUE(AcceptProposedFile(summary, "o"));
    EXPECT_TRUE(WaitFor([&] { return fs::exists(folder / "2026年集計(日数).csv"); }, 10s));
    EXPECT_TRUE(ShownWindow("^表示確認$").empty());
    ASSERT_TRUE(ChooseMenuItem(summary, "f", "x"));
    ASSERT_TRUE(WaitFor([] { return ShownWindow("^期間集計$").empty(); }, 10s));
    ChooseEnd(*window);
    ASSERT_EQ(program.WaitForExit(10s), 0);

    // Day 342 of 2024 is Saturday 7 December ("土" 93 79), day 341 of 2026
    // Monday 7 December ("月" 8C 8E).
    EXPECT_NE(ReadBytes(folder / "2024.dat").find("\r\n342=12/07,\x93\x79,,6:30,"),
              std::string::npos);
    const std::string days2026 = ReadBytes(folder / "2026.dat");
    EXPECT_NE(days2026.find("\r\n341=12/07,\x8c\x8e,,7:00,"), std::string::npos);
    EXPECT_EQ(RestDaysBesideSundays(days2026),
              (std::set<std::string>{"1/01", "1/12", "2/11", "2/23", "3/20", "4/29", "5/04", "5/05",
                                     "5/06", "7/20", "8/11", "9/21", "9/22", "9/23", "10/12",
                                     "11/03", "11/23"}));
    EXPECT_NE(ReadBytes(folder / "2026H.dat").find("\r\n265=9/22," KYUJITSU "," KOKUMIN "\r\n"),
              std::string::npos);
    EXPECT_NE(ReadBytes(folder / "2027H.dat").find("\r\n81=3/22," KYUJITSU "," FURIKAE "\r\n"),
              std::string::npos);
}

} // namespace
