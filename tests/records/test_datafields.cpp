#include "records/cp932.h"
#include "records/datafields.h"
#include "records/datanumbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>

namespace {

// The fields GetCsvField yields one after another, as the readers call it.
std::vector<std::string> AllFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        std::string field;
        std::optional<std::size_t> next = GetCsvField(text, pos, field);
        if (!next) {
            if (!field.empty()) {
                fields.push_back(field);
            }
            return fields;
        }
        fields.push_back(field);
        pos = *next;
    }
}

using Fields = std::vector<std::string>;

TEST(CsvField, SplitsAtCommasAndUnquotesDoubledQuotes) {
    EXPECT_EQ(AllFields("a,,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(AllFields("a,"), (Fields{"a"}));
    EXPECT_EQ(AllFields("  x\t,y"), (Fields{"x\t", "y"}));
    EXPECT_EQ(AllFields("\"say \"\"hi\"\"\"  ,next"), (Fields{"say \"hi\"", "next"}));
    EXPECT_EQ(AllFields("\"a,b\",c"), (Fields{"a,b", "c"}));
    // A quote inside an unquoted field is an ordinary byte.
    EXPECT_EQ(AllFields("a\"b,c"), (Fields{"a\"b", "c"}));
    // An unclosed quote runs to the end of the line.
    EXPECT_EQ(AllFields("\"open,end"), (Fields{"open,end"}));
    // Stray bytes after a closing quote keep the field and end the line.
    EXPECT_EQ(AllFields("\"a\"x,b"), (Fields{"a"}));
}

TEST(CsvField, PassesCp932TrailBytesThatLookLikeAscii) {
    // 表 (95 5C), ソ (83 5C) and 日 (93 FA): trail bytes 0x5C and 0xFA.
    std::string text = "\x95\x5c\x83\x5c,\x93\xfa";
    EXPECT_EQ(AllFields(text), (Fields{"\x95\x5c\x83\x5c", "\x93\xfa"}));
    EXPECT_EQ(FieldText(" 日\r"), "日");
}

TEST(CsvField, SplitGivesEmptyFieldsTheLineLacks) {
    EXPECT_EQ(SplitCsvFields("1/05,水", 4), (Fields{"1/05", "水", "", ""}));
    EXPECT_EQ(SplitCsvFields("a,b,c,d,e", 3), (Fields{"a", "b", "c"}));
}

TEST(CsvField, WriterQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(FileField("plain 表"), "plain 表");
    EXPECT_EQ(FileField("a,b"), "\"a,b\"");
    EXPECT_EQ(FileField("say \"hi\""), "\"say \"\"hi\"\"\"");
    // One record is one line: a line break or any other control character,
    // DEL included, becomes a blank; blanks at the ends go, as reading would
    // drop them.
    EXPECT_EQ(FileField("two\r\nlines\t"), "two  lines");
    EXPECT_EQ(FileField("a\x7f"
                        "b\x01"
                        "c\x7f"),
              "a b c");
    EXPECT_EQ(FileField(""), "");
    // Read back, the written field is the text again (blanks at its ends are
    // trimmed, as for every field).
    const std::pair<std::string, std::string> roundTrips[] = {{"a,b", "a,b"},
                                                              {"\"", "\""},
                                                              {"x\"\",\"", "x\"\",\""},
                                                              {" 会議,\"予定\" ", "会議,\"予定\""}};
    for (const auto& [text, expected] : roundTrips) {
        std::string field;
        GetCsvField(FileField(text) + ",next", 0, field);
        EXPECT_EQ(FieldText(field), expected);
    }
}

TEST(DataNumbers, SingleValuesUseFifteenSignificantDigits) {
    EXPECT_EQ(FormatSingle(65.3f), "65.3000030517578");
    EXPECT_EQ(FormatSingle(58.5f), "58.5");
    EXPECT_EQ(FormatSingle(0.0f), "0");
    EXPECT_EQ(FormatSingle(-0.0f), "0");
    EXPECT_EQ(FormatSingle(0.1f), "0.100000001490116");
    // From 0.00001 on no exponent; below it the exponent form.
    EXPECT_EQ(FormatSingle(2e-5f), "0.0000199999994947575");
    EXPECT_EQ(FormatSingle(1e-6f), "9.99999997475243e-07");
    EXPECT_EQ(FormatSingle(1e20f), "1.00000002004088e+20");
    for (float value : {65.3f, 0.1f, 2e-5f, 1e-6f, 123456.789f, -3.3f, 1e20f}) {
        EXPECT_EQ(LeadingSingle(FormatSingle(value)), value) << FormatSingle(value);
    }
}

TEST(DataNumbers, OneDecimalRoundsHalfAwayFromZero) {
    EXPECT_EQ(FormatOneDecimal(65.25), "65.3");
    EXPECT_EQ(FormatOneDecimal(-0.25), "-0.3");
    EXPECT_EQ(FormatOneDecimal(-0.5), "-0.5");
    EXPECT_EQ(FormatOneDecimal(20.0), "20.0");
    EXPECT_EQ(FormatOneDecimal(0.0), "0.0");
}

TEST(DataNumbers, LeadingNumbersStopAtGarbage) {
    EXPECT_EQ(LeadingInteger(" -12abc"), -12);
    EXPECT_EQ(LeadingInteger("+8520"), 8520);
    EXPECT_EQ(LeadingInteger("abc"), 0);
    EXPECT_EQ(LeadingInteger("99999999999"), 0);
    EXPECT_EQ(LeadingInteger("2147483647"), 2147483647);
    EXPECT_EQ(LeadingSingle("65.5kg"), 65.5f);
    EXPECT_EQ(LeadingSingle(" -.5"), -0.5f);
    EXPECT_EQ(LeadingSingle("1e3x"), 1000.0f);
    EXPECT_EQ(LeadingSingle("1e999"), 0.0f);
    EXPECT_EQ(LeadingSingle("1e39"), 0.0f);
    EXPECT_EQ(LeadingSingle("nan"), 0.0f);
    EXPECT_EQ(LeadingSingle("--5"), 0.0f);
    EXPECT_EQ(WholeSingle(" 12.5 "), 12.5f);
    EXPECT_EQ(WholeSingle("12.5x"), 0.0f);
    EXPECT_EQ(WholeSingle(""), 0.0f);
}

// Decimal texts of every shape the readers meet (signs, leading zeros, a
// point anywhere, up to eighteen digits, an exponent, trailing text) read
// as the C library reads them, rounded once to double and then to float.
TEST(DataNumbers, DecimalsReadAsTheCLibraryReadsThem) {
    std::mt19937 random(20040101);
    auto digits = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += static_cast<char>('0' + random() % 10);
        }
        return text;
    };
    const std::vector<std::string> tails = {"", "", "kg", " x", ".", "e5", "E-3", ",1"};
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::vector<std::string>{"", "", "-", "+"}[random() % 4];
        const int whole = static_cast<int>(random() % 10);
        text += digits(whole);
        if (random() % 3 != 0) {
            text += "." + digits(static_cast<int>(random() % 10) + (whole == 0 ? 1 : 0));
        } else if (whole == 0) {
            text += digits(1);
        }
        text += tails[random() % tails.size()];
        const double reference = std::strtod(text.c_str(), nullptr);
        const float expected =
            std::isfinite(reference) && std::fabs(reference) <= 3.4028234663852886e38
                ? static_cast<float>(reference)
                : 0.0f;
        ASSERT_EQ(std::bit_cast<std::uint32_t>(LeadingSingle(text)),
                  std::bit_cast<std::uint32_t>(expected))
            << text;
    }
}

} // namespace
