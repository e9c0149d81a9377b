#include "commands/paidleaveledger.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/vacation.h"
#include "tests/commands/fakesaveport.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

namespace {

#define NENKYU "\x94\x4e\x8b\x78" // 年休
#define ZENKYU "\x91\x4f\x8b\x78" // 前休
#define GOKYU "\x8c\xe3\x8b\x78"  // 後休
#define GETSU "\x8c\x8e"          // 月
#define KIN "\x8b\xe0"            // 金
#define KAIGI "\x89\xef\x8b\x63"  // 会議

using Texts = std::vector<std::string>;

class LedgerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        LeaveYear = 2004;
    }
    void TearDown() override { ResetProgramState(); }

    void WriteLedger(int year, const std::string& bytes) {
        WriteBytes(folder / VacationFileName(year), bytes);
    }
    std::string LedgerBytes(int year) const { return ReadBytes(folder / VacationFileName(year)); }

    static Texts Column(const LeaveSheet& sheet, int col, int rows) {
        Texts texts;
        for (int r = 1; r <= rows; ++r) {
            texts.push_back(sheet.Cell(col, r));
        }
        return texts;
    }

    TempFolder folder;
};

TEST_F(LedgerTest, BalancesFollowCarryOverCapAndGrantAndGoBelowZero) {
    WriteLedger(2004, "[System]\r\nKuriZan=25\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n[VacationData]\r\n"
                      "1=2004/01/05,x," NENKYU ",1.0,0,\r\n2=2004/02/13,x," ZENKYU ",0.5,0,\r\n"
                      "3=2004/03/01,x,,7,99,\r\n");
    LeaveSheet sheet = OpenLeaveLedger(folder.Path());
    // 25 days carried over count as 20.
    EXPECT_EQ(Column(sheet, LeaveBalanceCol, 3), (Texts{"39.0", "38.5", "99"}));
    EXPECT_EQ(Column(sheet, LeaveDaysCol, 3), (Texts{"1.0", "0.5", "7"}))
        << "a row without a kind keeps its cells";
    EXPECT_EQ(sheet.remaining, "38.5");
    EXPECT_EQ(VacationCount, 2);

    sheet.capIndex = 1;
    RecalcLeaveBalance(sheet);
    EXPECT_EQ(sheet.remaining, "43.5");

    sheet.capIndex = 0;
    sheet.carryOver = "20";
    RecalcLeaveBalance(sheet);
    EXPECT_EQ(sheet.carryOver, "20.0");
    EXPECT_EQ(sheet.remaining, "38.5") << "exactly 20 days are not cut";

    sheet.carryOver = "abc";
    sheet.grant = " 1 ";
    RecalcLeaveBalance(sheet);
    EXPECT_EQ((Texts{sheet.carryOver, sheet.grant}), (Texts{"0.0", "1.0"}));
    EXPECT_EQ(Column(sheet, LeaveBalanceCol, 2), (Texts{"0.0", "-0.5"}));
    EXPECT_EQ(sheet.remaining, "-0.5");
}

TEST_F(LedgerTest, ResortKeepsRemarksWithTheirDatesAndSaveWritesTheRecomputedLedger) {
    WriteLedger(2004, "[System]\r\nKuriZan=2\r\nKuriFlg=0\r\nNowZan=10\r\n\r\n[VacationData]\r\n"
                      "1=2004/3/1,x," NENKYU ",1.0,11,A\r\n2=2004/01/05,x," GOKYU ",0.5,10.50,B\r\n"
                      "4=2004/13/40,x," NENKYU ",1.0,5,C\r\n");
    LeaveSheet sheet = OpenLeaveLedger(folder.Path());
    EXPECT_FALSE(IsLeaveDataChanged(sheet)) << "balances compared as numbers shown";
    sheet.Cell(LeaveRemarkCol, 1) = "A2";
    EXPECT_TRUE(IsLeaveDataChanged(sheet));

    ASSERT_TRUE(SaveLeaveSheet(folder.Path(), sheet));
    EXPECT_EQ(Column(sheet, LeaveNoCol, 3), (Texts{"1 ", "2 ", "3 "}));
    EXPECT_EQ(Column(sheet, LeaveDateCol, 3), (Texts{"2004/01/05", "2004/03/01", ""}));
    EXPECT_EQ(Column(sheet, LeaveRemarkCol, 3), (Texts{"B", "A2", ""}));
    EXPECT_EQ(LedgerBytes(2004), "[System]\r\nKuriZan=2\r\nKuriFlg=0\r\nNowZan=10\r\n\r\n"
                                 "[VacationData]\r\n"
                                 "1=2004/01/05," GETSU "," GOKYU ",0.5,11.5,B\r\n"
                                 "2=2004/03/01," GETSU "," NENKYU ",1.0,10.5,A2\r\n\r\n");
    EXPECT_FALSE(IsLeaveDataChanged(sheet));

    // Numbers are compared as shown: "2" is the stored 2, and a carry-over
    // that single precision cannot hold exactly is no change either.
    sheet.carryOver = "2";
    EXPECT_FALSE(IsLeaveDataChanged(sheet));
    KuriZan = 0.1f;
    sheet.carryOver = "0.1";
    EXPECT_FALSE(IsLeaveDataChanged(sheet));
    sheet.capIndex = 1;
    EXPECT_TRUE(IsLeaveDataChanged(sheet));
}

TEST_F(LedgerTest, LeavingAYearAsksAndTheNextYearStartsFromItsOwnFile) {
    WriteLedger(2004, "[System]\r\nKuriZan=5\r\nKuriFlg=1\r\nNowZan=10\r\n\r\n[VacationData]\r\n"
                      "1=2004/01/05,x," NENKYU ",1.0,14.0,\r\n");
    LeaveSheet sheet = OpenLeaveLedger(folder.Path());
    FakeSavePort port;
    EXPECT_FALSE(ChangeLeaveYear(folder.Path(), sheet, port, 2004)) << "the same year";

    sheet.Cell(LeaveRemarkCol, 1) = "会議";
    port.answers = {SavePort::Answer::Cancel};
    EXPECT_FALSE(ChangeLeaveYear(folder.Path(), sheet, port, 2005));
    EXPECT_EQ(LeaveYear, 2004);
    EXPECT_EQ(sheet.Cell(LeaveRemarkCol, 1), "会議");

    {
        ReadOnlyFolder locked(folder.Path());
        if (locked.Refused()) {
            port.answers = {SavePort::Answer::Yes};
            EXPECT_FALSE(ChangeLeaveYear(folder.Path(), sheet, port, 2005));
            EXPECT_EQ(port.failures, (std::vector{folder / "2004V.dat"}));
            EXPECT_EQ(LeaveYear, 2004) << "a failed save keeps the year and its edits";
        }
    }

    port.answers = {SavePort::Answer::Yes};
    ASSERT_TRUE(ChangeLeaveYear(folder.Path(), sheet, port, 2005));
    EXPECT_EQ(LedgerBytes(2004),
              "[System]\r\nKuriZan=5\r\nKuriFlg=1\r\nNowZan=10\r\n\r\n"
              "[VacationData]\r\n1=2004/01/05," GETSU "," NENKYU ",1.0,14.0," KAIGI "\r\n\r\n");
    EXPECT_EQ(LeaveYear, 2005);
    EXPECT_EQ((Texts{sheet.carryOver, sheet.grant, sheet.remaining}), (Texts{"0.0", "0.0", "0.0"}))
        << "a year without a file takes nothing from the year shown before";
    EXPECT_EQ(sheet.capIndex, 0);
    EXPECT_EQ(sheet.Cell(LeaveDateCol, 1), "");

    // With "Saveflg" on, edits are saved without a question.
    Settings.Saveflg = 1;
    sheet.grant = "3";
    ASSERT_TRUE(ChangeLeaveYear(folder.Path(), sheet, port, 2004));
    EXPECT_EQ(LedgerBytes(2005), "[System]\r\nKuriZan=0\r\nKuriFlg=0\r\nNowZan=3\r\n\r\n");
    EXPECT_EQ(port.questions, 2 + (port.failures.empty() ? 0 : 1));
}

TEST_F(LedgerTest, AHundredRecordsAreShownAndSavedAndTheRestIsNotRead) {
    std::string bytes = "[System]\r\nKuriZan=0\r\nKuriFlg=0\r\nNowZan=60\r\n\r\n[VacationData]\r\n";
    for (int i = 1; i <= 101; ++i) {
        int month = (i - 1) / 28 + 1;
        int day = (i - 1) % 28 + 1;
        bytes += std::to_string(i) + "=2004/" + std::to_string(month) + "/" + std::to_string(day) +
                 ",x," ZENKYU ",0.5,0,\r\n";
    }
    WriteLedger(2004, bytes);
    LeaveSheet sheet = OpenLeaveLedger(folder.Path());
    EXPECT_EQ(VacationCount, 100);
    EXPECT_EQ(sheet.Cell(LeaveDateCol, 100), "2004/04/16");
    EXPECT_EQ(sheet.Cell(LeaveBalanceCol, 100), "10.0");
    EXPECT_EQ(sheet.remaining, "10.0");
    ASSERT_TRUE(SaveLeaveSheet(folder.Path(), sheet));
    std::string saved = LedgerBytes(2004);
    EXPECT_NE(saved.find("\r\n100=2004/04/16," KIN "," ZENKYU ",0.5,10.0,\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(saved.find("\r\n101="), std::string::npos);
}

TEST_F(LedgerTest, CsvAndSpanNameTheYearAlsoOutsideTheList) {
    LeaveYear = 2026;
    LeaveSheet sheet = OpenLeaveLedger(folder.Path());
    const Texts header{"No．", "日　付", "曜", "区分", "日数", "残数", "　備　考　"};
    std::vector<Texts> expected{{"2026年"},
                                {"前年繰越日数:0.0日  20日を超える場合：20日とする"},
                                {"本年付与日数:0.0日"},
                                {"現在残日数  :0.0日"},
                                header};
    EXPECT_EQ(LeaveCsvRows(sheet, LeaveYear), expected);
    EXPECT_EQ(LeaveCsvFileName(2026), "2026年度有給休暇.csv");

    sheet.capIndex = 1;
    sheet.Cell(LeaveDateCol, 1) = "2026/01/05";
    sheet.Cell(LeaveRemarkCol, 1) = "a,b";
    std::vector<Texts> rows = LeaveCsvRows(sheet, LeaveYear);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1][0], "前年繰越日数:0.0日  20日を超える場合：制限なし");
    EXPECT_EQ(rows[5], (Texts{"1 ", "2026/01/05", "", "", "", "", "a,b"}));

    const std::pair<int, const char*> spans[] = {{4, "4月から2027年3月まで"},
                                                 {1, "1月から2026年12月まで"},
                                                 {13, "12月から2027年11月まで"},
                                                 {0, "1月から2026年12月まで"}};
    for (auto [month, span] : spans) {
        Settings.LeaveGrantMonth = month;
        EXPECT_EQ(LeaveSpanText(LeaveYear), span) << month;
    }
}

} // namespace
