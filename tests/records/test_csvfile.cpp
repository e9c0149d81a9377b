#include "records/csvfile.h"
#include "tests/common/tempfolder.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvFile, QuotesOnlyWhatWouldBreakTheLineAndWritesCp932WithCrLf) {
    std::vector<CsvRow> rows{
        {"9/05 ", "日", "休日", "", "12,000", "say \"hi\"", "a\r\nb", "65.3"},
        {"plain", "", ""},
        {},
    };
    EXPECT_EQ(CsvLine(rows[0]), "9/05 ,日,休日,,\"12,000\",\"say \"\"hi\"\"\",\"a\r\nb\",65.3");
    EXPECT_EQ(CsvFileBytes(rows),
              std::string("9/05 ,\x93\xfa,\x8b\x78\x93\xfa,,\"12,000\",\"say \"\"hi\"\"\","
                          "\"a\r\nb\",65.3\r\n"
                          "plain,,\r\n"
                          "\r\n"));
    // Full-width tilde and half-width kana are CP932; an emoji is not, and
    // no file is made without it.
    EXPECT_EQ(CsvFileBytes({{"～ｶﾅ"}}), std::string("\x81\x60\xb6\xc5\r\n"));
    EXPECT_EQ(CsvFileBytes({{"ok"}, {"\xF0\x9F\x98\x80"}}), std::nullopt);
}

TEST(CsvFile, WritesWholeFilesAndKeepsTheOldOneOnFailure) {
    TempFolder folder;
    ASSERT_TRUE(WriteCsvFile(folder / "a.csv", {{"1", "2"}}));
    ASSERT_TRUE(WriteCsvFile(folder / "a.csv", {{"3"}}));
    EXPECT_EQ(ReadBytes(folder / "a.csv"), "3\r\n");
    EXPECT_FALSE(WriteCsvFile(folder / "a.csv", {{"\xF0\x9F\x98\x80"}}));
    EXPECT_EQ(ReadBytes(folder / "a.csv"), "3\r\n");
    EXPECT_FALSE(WriteCsvFile(folder / "missing" / "b.csv", {{"1"}}));
    ReadOnlyFolder locked(folder.Path());
    if (locked.Refused()) {
        EXPECT_FALSE(WriteCsvFile(folder / "a.csv", {{"4"}}));
        EXPECT_EQ(ReadBytes(folder / "a.csv"), "3\r\n");
    }
}

} // namespace
