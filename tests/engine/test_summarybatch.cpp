#include "engine/periodsummary.h"
#include "engine/walkingroute.h"
#include "engine/yearsummary.h"
#include "engine/yearsummaryfiles.h"
#include "records/cp932.h"
#include "records/dates.h"
#include "records/filenotices.h"
#include "records/holidays.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const char* const Kinds[] = {"", "", "", "休日", "年休", "前休", "後休", "代休", "欠勤", "前欠"};
const char* const Times[] = {"",     "",     "6:30",  "8:45",  "19:10", "23:40", "0:30",
                             "2:15", "8:7x", "26:30", "12:00", "9:05",  "17:45", "22:10"};

template <typename T, std::size_t N> const T& Pick(std::mt19937& random, const T (&items)[N]) {
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

// A hand-edited day file: lines in any order, days without a line, a key
// given twice, empty values, times that are no times, keys past the year.
std::string RandomDayFile(std::mt19937& random, int year) {
    std::uniform_int_distribution<int> percent(0, 99);
    std::string text = "[DayData]\r\n";
    for (int d = DaysInYear(year) + 3; d >= 1; --d) {
        int roll = percent(random);
        if (roll < 10) {
            continue;
        }
        CivilDate date = DateFromDayOfYear(year, std::min(d, DaysInYear(year)));
        std::string line = std::to_string(d) + "=";
        if (roll >= 15) {
            line += std::to_string(date.month) + "/" + std::to_string(date.day) + ",月," +
                    Pick(random, Kinds);
            for (int t = 0; t < 4; ++t) {
                line += std::string(",") + Pick(random, Times);
            }
            line += "," + std::to_string(percent(random) < 30 ? 0 : 5000 + percent(random) * 97);
            line += "," + std::to_string(percent(random) % 9) + ".5,備考";
        }
        text += line + "\r\n";
        if (roll >= 97) {
            text += std::to_string(d) + "=1/1,日,欠勤,,,,,1,1,\r\n";
        }
    }
    return Utf8ToCp932(text).value();
}

// Everything one loaded period gives: its rows, each day's times and the
// period's figures.
std::string PeriodText(bool loaded, int days) {
    std::string text = std::to_string(loaded) + "|" + std::to_string(days) + "\n";
    for (int row = 0; row < SummaryWorkSize; ++row) {
        const Workdt& day = SummaryWork[static_cast<std::size_t>(row)];
        text += day.FullDate + "," + day.DateWeek[0] + "," + day.DateWeek[1] + "," + day.Kind;
        for (const std::string& value : day.Values) {
            text += "," + value;
        }
        text += "\n";
    }
    for (const RectotalM& times : DayTimes) {
        for (const std::string& time : times.Times) {
            text += time + ",";
        }
    }
    for (int j = 0; j < 6; ++j) {
        text += "\n" + std::to_string(PeriodDayCounts[j]) + "," +
                std::to_string(PeriodThresholdCounts[j]) + "," + PeriodTotals[j] + "," +
                std::to_string(PeriodValueCounts[j]) + "," + PeriodAverages[j];
    }
    return text;
}

std::string YearTablesText() {
    std::string text;
    for (const auto* table : {&MonthCountTable, &MonthTotalTable, &MonthAverageTable}) {
        for (const Rectotal& row : *table) {
            text += row.Label;
            for (const std::string& value : row.Values) {
                text += "," + value;
            }
            text += "\n";
        }
    }
    return text;
}

// The twelve months run one by one, each reading its files on its own.
std::string YearTablesMonthByMonth(const std::filesystem::path& folder, int year, int month) {
    BuildYearTables(year, month, ClearRectotalTables, [&folder](int y, int m) {
        int days = 0;
        LoadSummaryPeriod(folder, SummaryClosingDayMonth, y, m, days);
        SummarizePeriodDays();
    });
    return YearTablesText();
}

class SummaryBatchTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    TempFolder folder;
};

} // namespace

// Random folders: years with a hand-edited day file, a year without one, a
// year whose file is no day file, a holiday file with rest days of its own;
// random closing days, weekly rest days and commuting settings. Each period
// loaded through one batch gives the rows, times and figures a load of its
// own gives, and so do the twelve-month tables, the step sums and the notes
// about unreadable files.
TEST_F(SummaryBatchTest, ABatchGivesWhatLoadsOfTheirOwnGive) {
    std::mt19937 random(20041);
    std::uniform_int_distribution<int> percent(0, 99);
    const int deadlines[] = {31, 28, 30, 25, 20, 10, 1, 0};
    for (int round = 0; round < 6; ++round) {
        TempFolder files;
        ResetProgramState();
        for (int year = 2003; year <= 2006; ++year) {
            if (year == 2005) {
                continue; // no day file
            }
            std::string bytes = year == 2006 && round % 2 == 0 ? std::string("no day file\r\n")
                                                               : RandomDayFile(random, year);
            WriteBytes(files / (std::to_string(year) + ".dat"), bytes);
        }
        OwnCalendar calendar = BuildOwnCalendar(files.Path(), 2005);
        for (int d = 1; d <= calendar.count; ++d) {
            if (percent(random) < 20) {
                calendar.days[static_cast<std::size_t>(d)].Mark = "休日";
            }
        }
        WriteBytes(files / HolidayFileName(2005), HolidayFileBytes(calendar.days, calendar.count));

        Settings.Deadline = deadlines[round];
        for (auto& rest : Settings.WeeklyHolidays) {
            rest = percent(random) < 30 ? 1 : 0;
        }
        Settings.Standflg = round % 2;
        Settings.Standtime = round * 17;
        Settings.Breaks[0] = "12:00";
        Settings.Breake[0] = "13:00";

        SummaryFiles batch(files.Path());
        for (int load = 0; load < 40; ++load) {
            const int mode = load % 5 == 4 ? SummaryFreePeriod : SummaryClosingDayMonth;
            const int year = std::uniform_int_distribution<int>(2003, 2006)(random);
            const int month = std::uniform_int_distribution<int>(1, 13)(random);
            if (mode == SummaryFreePeriod) {
                CivilDate from{year, month == 13 ? 12 : month, 1 + percent(random) % 28};
                PeriodFrom = FullDateText(from);
                PeriodTo = FullDateText(AddDays(from, percent(random) % 32));
            }
            int days = 0;
            bool loaded = LoadSummaryPeriod(batch, mode, year, month, days);
            SummarizePeriodDays();
            const std::string fromBatch = PeriodText(loaded, days);
            loaded = LoadSummaryPeriod(files.Path(), mode, year, month, days);
            SummarizePeriodDays();
            ASSERT_EQ(fromBatch, PeriodText(loaded, days))
                << "round " << round << " mode " << mode << " " << year << "/" << month << " "
                << PeriodFrom << ".." << PeriodTo;
        }

        const int startYear = std::uniform_int_distribution<int>(2003, 2005)(random);
        const int startMonth = std::uniform_int_distribution<int>(1, 12)(random);
        ForgetUnreadableFiles();
        BuildYearTablesFromFiles(files.Path(), startYear, startMonth);
        const std::string batchTables = YearTablesText();
        const auto batchNotes = TakeUnreadableFiles();
        ForgetUnreadableFiles();
        EXPECT_EQ(batchTables, YearTablesMonthByMonth(files.Path(), startYear, startMonth))
            << "round " << round << " from " << startYear << "/" << startMonth;
        EXPECT_EQ(batchNotes, TakeUnreadableFiles());
        const bool reachesJunk =
            round % 2 == 0 && MonthOfRow(startYear, startMonth, 12).year == 2006;
        EXPECT_EQ(batchNotes.size(), reachesJunk ? 1u : 0u);

        std::int64_t steps = 0;
        for (int k = 1; k <= 30; ++k) {
            YearMonth m = MonthOfRow(2003, 6, k);
            int days = 0;
            if (LoadSummaryPeriod(files.Path(), SummaryClosingDayMonth, m.year, m.month, days)) {
                SummarizePeriodDays();
                steps += std::stoll(PeriodTotals[4]);
            }
        }
        EXPECT_GT(steps, 0);
        EXPECT_EQ(StepsOfMonths(files.Path(), 2003, 6, 2005, 11), steps) << "round " << round;
    }
}

// A year file written between two openings is read afresh by the second:
// the twelve months and the step sum show the new days, not the old ones.
TEST_F(SummaryBatchTest, AFileChangedBetweenTwoOpeningsIsReadAgain) {
    auto writeSteps = [this](int steps) {
        std::string text = "[DayData]\r\n";
        for (int d = 1; d <= 366; ++d) {
            text += std::to_string(d) + "=1/1,月,,6:30,8:45,19:10,23:40," + std::to_string(steps) +
                    ",3.0,\r\n";
        }
        WriteBytes(folder / "2004.dat", Utf8ToCp932(text).value());
    };
    writeSteps(1000);
    BuildYearTablesFromFiles(folder.Path(), 2004, 1);
    EXPECT_EQ(MonthTotalTable[12].Values[4], std::to_string(1000 * 366));
    EXPECT_EQ(StepsOfMonths(folder.Path(), 2004, 1, 2004, 12), 1000 * 366);

    writeSteps(2000);
    BuildYearTablesFromFiles(folder.Path(), 2004, 1);
    EXPECT_EQ(MonthTotalTable[12].Values[4], std::to_string(2000 * 366));
    EXPECT_EQ(YearTablesText(), YearTablesMonthByMonth(folder.Path(), 2004, 1));
    EXPECT_EQ(StepsOfMonths(folder.Path(), 2004, 1, 2004, 12), 2000 * 366);

    std::filesystem::remove(folder / "2004.dat");
    BuildYearTablesFromFiles(folder.Path(), 2004, 1);
    EXPECT_EQ(MonthTotalTable[12].Values[4], "0");
    EXPECT_EQ(StepsOfMonths(folder.Path(), 2004, 1, 2004, 12), 0);
}
