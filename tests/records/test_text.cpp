#include "records/cp932.h"
#include "records/datanumbers.h"
#include "records/initable.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

TEST(Cp932, ConvertsTheCharactersShiftJisCannotHold) {
    // "～" U+FF5E, a circled digit and half-width kana are CP932-only.
    EXPECT_EQ(Utf8ToCp932("～①ﾌﾟ"), std::string("\x81\x60\x87\x40\xcc\xdf"));
    EXPECT_EQ(Cp932ToUtf8(std::string("\x81\x60\x87\x40\xcc\xdf")), "～①ﾌﾟ");
    EXPECT_FALSE(Utf8ToCp932("😀").has_value());
    EXPECT_FALSE(IsCp932Representable("a😀"));
    EXPECT_TRUE(IsCp932Representable("休日"));
    EXPECT_EQ(Cp932ToUtf8Lossy(std::string("a\x81")), "a"); // a lead byte without trail
    EXPECT_EQ(Utf8ToCp932Lossy("a😀b"), "ab");
}

// The C library's converter asked about one text alone, strictly.
std::optional<std::string> IconvAlone(const char* to, const char* from, std::string_view text) {
    iconv_t cd = iconv_open(to, from);
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string out(16, '\0');
    char* src = const_cast<char*>(text.data());
    std::size_t srcLeft = text.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok) {
        return std::nullopt;
    }
    out.resize(out.size() - dstLeft);
    return out;
}

// The conversion tables are built in a few runs of the converter rather
// than a call per character: each code and each character still converts
// exactly as the converter converts it alone.
TEST(Cp932, EveryCodeAndCharacterConvertsAsTheConverterAlone) {
    for (int first = 0; first < 256; ++first) {
        const std::string one(1, static_cast<char>(first));
        ASSERT_EQ(Cp932ToUtf8(one), IconvAlone("UTF-8", "CP932", one)) << first;
        for (int second = 0; second < 256 && (first >= 0x81 && first != 0xA0 && first < 0xFD);
             ++second) {
            const std::string two{static_cast<char>(first), static_cast<char>(second)};
            ASSERT_EQ(Cp932ToUtf8(two), IconvAlone("UTF-8", "CP932", two))
                << first << " " << second;
        }
    }
    for (std::uint32_t c = 0x80; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        std::string utf8;
        if (c < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (c >> 12)),
                    static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (c & 0x3F))};
        }
        ASSERT_EQ(Utf8ToCp932(utf8), IconvAlone("CP932", "UTF-8", utf8)) << std::hex << c;
    }
}

// Half-width kana take one byte in CP932 and three in UTF-8: text of them
// among runs of ASCII outgrows the decoder's first guess of its size, at
// every phase against the eight-byte steps of the ASCII runs.
TEST(Cp932, TextThatGrowsThreefoldDecodesWhole) {
    for (int ascii = 0; ascii <= 9; ++ascii) {
        for (int kana = 1; kana <= 9; ++kana) {
            std::string cp932;
            std::string utf8;
            for (int run = 0; run < 40; ++run) {
                cp932 += std::string(static_cast<std::size_t>(ascii), 'a');
                utf8 += std::string(static_cast<std::size_t>(ascii), 'a');
                for (int k = 0; k < kana; ++k) {
                    cp932 += '\xB1';
                    utf8 += "ｱ";
                }
            }
            ASSERT_EQ(Cp932ToUtf8(cp932), utf8) << ascii << " " << kana;
            ASSERT_EQ(Utf8ToCp932(utf8), cp932) << ascii << " " << kana;
        }
    }
}

TEST(Cp932, DataFilesMustBeCp932AndNotUtf8) {
    EXPECT_EQ(DataFileText("[DayData]\r\n1=1/01,\x93\xfa"), "[DayData]\r\n1=1/01,日");
    EXPECT_EQ(DataFileText("plain ASCII"), "plain ASCII");
    EXPECT_FALSE(DataFileText("1=1/05,\x81").has_value()) << "a lead byte without trail";
    EXPECT_FALSE(DataFileText("\x80").has_value());
    // "日" in UTF-8 happens to be valid CP932 ("譌･"), but a file of it is
    // one an editor re-encoded.
    ASSERT_TRUE(Cp932ToUtf8("日").has_value());
    EXPECT_FALSE(DataFileText("1=1/01,日").has_value());
    // Pairs of half-width katakana are also well-formed two-byte UTF-8
    // ("ﾃｽ" is C3 BD, "ý"): a file of them, and of nothing longer, is CP932.
    EXPECT_EQ(DataFileText("note=\xC3\xBD\xC3\xBD"), "note=ﾃｽﾃｽ");
    EXPECT_FALSE(DataFileText("note=\xC3\xBD,日").has_value());
}

TEST(Cp932, ByteLimitsCountCp932BytesAndKeepWholeCharacters) {
    EXPECT_EQ(Cp932ByteLength("ｼﾞｮｷﾞﾝｸﾞ"), 8u);
    EXPECT_EQ(Cp932ByteLength("体重abc"), 7u);
    EXPECT_EQ(CutToCp932Bytes("あいうえお", 8), "あいうえ");
    EXPECT_EQ(CutToCp932Bytes("aあいうえ", 8), "aあいう"); // never half a character
    EXPECT_EQ(CutToCp932Bytes("ｱｲｳｴｵｶｷｸｹ", 8), "ｱｲｳｴｵｶｷｸ");
    EXPECT_EQ(CutToCp932Bytes("short", 8), "short");
}

TEST(IniTable, KeepsOrderAndUnknownLinesAndMatchesNamesIgnoringCase) {
    IniTable table = IniTable::Parse("ignored=1\r\n; comment\r\n[A]\r\n k = v \r\nbare\r\n"
                                     "[B]\r\nx=1\r\n[a]\r\nk2=w\r\n");
    EXPECT_EQ(table.Read("a", "K"), "v");
    EXPECT_EQ(table.Read("A", "k2"), "w");
    EXPECT_FALSE(table.Read("A", "bare").has_value());
    EXPECT_FALSE(table.Read("Z", "k").has_value());
    table.Write("B", "y", "2");
    table.Write("A", "k", "changed");
    table.Write("C", "z", "3");
    EXPECT_EQ(table.Serialize(), "[A]\r\nk=changed\r\nbare\r\nk2=w\r\n\r\n"
                                 "[B]\r\nx=1\r\ny=2\r\n\r\n[C]\r\nz=3\r\n\r\n");
}

TEST(IniTable, LargeTablesFindAndKeepTheSameAsSmallOnes) {
    // Past a few dozen sections and keys the names are indexed; what a
    // lookup finds and the order of the file must not change with it.
    std::string bytes;
    for (int s = 0; s < 60; ++s) {
        bytes += "[Sec" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 50; ++k) {
            bytes += "Key" + std::to_string(k) + "=" + std::to_string(s * 100 + k) + "\r\n";
        }
        bytes += "key7=second\r\nbare line\r\n\r\n";
    }
    bytes += "[sec3]\r\nKey50=merged\r\n";
    IniTable table = IniTable::Parse(bytes);
    EXPECT_EQ(table.Read("SEC59", "KEY49"), "5949");
    EXPECT_EQ(table.Read("sec3", "key7"), "307") << "the first of a key counts";
    EXPECT_EQ(table.Read("Sec3", "Key50"), "merged") << "a repeated section joins the first";
    EXPECT_FALSE(table.Read("Sec60", "Key0"));
    EXPECT_FALSE(table.Read("Sec1", "bare line"));
    table.Write("sec10", "KEY0", "changed");
    table.Write("Sec10", "New", "added");
    table.Write("Sec60", "Key0", "new section");
    table.EraseSection("SEC0");
    EXPECT_FALSE(table.HasSection("Sec0"));
    EXPECT_EQ(table.Read("Sec59", "Key0"), "5900") << "found again after the erase";
    std::string text = table.Serialize();
    EXPECT_EQ(text.substr(0, 9), "[Sec1]\r\nK");
    EXPECT_NE(text.find("[Sec10]\r\nKey0=changed\r\n"), std::string::npos);
    EXPECT_NE(text.find("bare line\r\nNew=added\r\n\r\n[Sec11]"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 29), "[Sec60]\r\nKey0=new section\r\n\r\n");
}

TEST(IniTable, TrimsOnlyBytesBelow33SoCp932TrailBytesStay) {
    // "休日" is 8B 78 93 FA: a signed-char trim would eat the 0xFA.
    std::string kyujitsu = "\x8b\x78\x93\xfa";
    EXPECT_EQ(TrimBlanks(" \t" + kyujitsu + " \r"), kyujitsu);
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd").size(), 4u);
}

TEST(NumberTexts, ThousandsAreGroupedAndZeroIsEmpty) {
    EXPECT_EQ(FormatThousands(12345), "12,345");
    EXPECT_EQ(FormatThousands(123456789), "123,456,789");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(-1000), "-1,000");
    EXPECT_EQ(FormatThousands(0), "");
}

TEST(NumberTexts, ParseWholeTextsOnly) {
    EXPECT_EQ(ParseInteger(" 42 "), 42);
    EXPECT_EQ(ParseInteger("12345"), 12345);
    EXPECT_FALSE(ParseInteger("12,345"));
    EXPECT_FALSE(ParseInteger("99999999999"));
}

} // namespace
