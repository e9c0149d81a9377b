// Every text column of the seven reports filled with texts longer than the
// column: each printed text is the longest run of its first whole characters
// that fits, and the character after it is not drawn at all (no half glyph).
#include "records/cp932.h"
#include "tests/common/tempfolder.h"
#include "tests/windows/reportpdf.h"
#include "windows/reports/reports.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

// Texts of rare (second-level) kanji, each character used once, so that a
// character on the page names the text it came from and no fixed caption
// shares one.
class LongTexts {
public:
    // A text of bytes CP932 bytes: full-width characters, and a half-width
    // "ｱ" last when bytes is odd.
    QString Next(int bytes) {
        QString text;
        for (int i = 0; i < bytes / 2; ++i) {
            text += NextKanji();
        }
        if (bytes % 2 == 1) {
            text += QStringLiteral("ｱ");
        }
        sources_[text.front()] = text;
        return text;
    }
    // A text made of pieces, one of them from Next, as the report joins
    // them.
    void Register(const QString& joined) { sources_[joined.front()] = joined; }

    const std::map<QChar, QString>& Sources() const { return sources_; }

private:
    QChar NextKanji() {
        static const unsigned char Leads[] = {0x99, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0xE0, 0xE1,
                                              0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9};
        const int lead = next_ / 188;
        int trail = 0x40 + next_ % 188;
        if (trail >= 0x7F) {
            ++trail;
        }
        ++next_;
        const char bytes[] = {static_cast<char>(Leads[lead]), static_cast<char>(trail)};
        return QString::fromStdString(Cp932ToUtf8(std::string_view(bytes, 2)).value()).front();
    }

    int next_ = 0;
    std::map<QChar, QString> sources_;
};

// The width of a text in a monospaced font of the given pixel size: a
// half-width character is half as wide as a full-width one.
qreal MonospaceWidth(const QString& text, int pixels) {
    qreal width = 0;
    for (QChar c : text) {
        const bool half = c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F);
        width += half ? pixels / 2.0 : pixels;
    }
    return width;
}

std::vector<const ReportBand*> Bands(const ReportLayout& layout) {
    std::vector<const ReportBand*> bands;
    for (const auto* band : {&layout.pageHeader, &layout.titleBand, &layout.columnHeader,
                             &layout.summary, &layout.pageFooter}) {
        if (*band) {
            bands.push_back(&**band);
        }
    }
    for (const ReportBand& detail : layout.details) {
        bands.push_back(&detail);
    }
    return bands;
}

// Checks every text of the layout that comes from one of the long texts,
// on the layout and on its PDF page; returns how many texts were cut.
int ExpectCutAtWholeCharacters(const ReportLayout& layout, const LongTexts& texts,
                               const std::filesystem::path& pdfPath) {
    EXPECT_TRUE(WriteReportPdf(layout, pdfPath));
    const QString page = ReadPdf(pdfPath).Text();
    EXPECT_FALSE(page.isEmpty());
    // What the layout draws; a text printed twice ("（運動）" heads both
    // lists of the month summary) may show more of itself in a wider column.
    QString drawn;
    for (const ReportBand* band : Bands(layout)) {
        for (const ReportText& text : band->texts) {
            drawn += text.text;
        }
    }
    std::set<QChar> seen;
    int cut = 0;
    for (const ReportBand* band : Bands(layout)) {
        for (const ReportText& text : band->texts) {
            if (text.text.isEmpty()) {
                continue;
            }
            auto source = texts.Sources().find(text.text.front());
            if (source == texts.Sources().end()) {
                continue;
            }
            seen.insert(source->first);
            const QString& whole = source->second;
            const std::string where = layout.title.toStdString() + ": " + text.text.toStdString();
            if (!whole.startsWith(text.text)) {
                ADD_FAILURE() << "not the start of its text: " << where;
                continue;
            }
            const int pixels = text.font.pixelSize();
            EXPECT_LE(MonospaceWidth(text.text, pixels), text.rect.width() + 0.01) << where;
            EXPECT_TRUE(page.contains(text.text)) << where;
            if (text.text.size() < whole.size()) {
                ++cut;
                const QChar after = whole[text.text.size()];
                // The next character would not have fitted, and none of it
                // is on the page unless the layout draws it elsewhere.
                EXPECT_GT(MonospaceWidth(text.text + after, pixels), text.rect.width()) << where;
                if (!drawn.contains(after)) {
                    EXPECT_FALSE(page.contains(after)) << where;
                }
            }
        }
    }
    // Every long text reached the page.
    EXPECT_EQ(seen.size(), texts.Sources().size()) << layout.title.toStdString();
    return cut;
}

class ReportCutTest : public ::testing::Test {
protected:
    TempFolder folder;
    LongTexts texts;
};

TEST_F(ReportCutTest, InputSheet) {
    InputSheetSnapshot sheet;
    sheet.year = texts.Next(49);
    sheet.month = QStringLiteral("9");
    texts.Register(sheet.year + QStringLiteral("年9月分"));
    sheet.movementTitle = QStringLiteral("（運動）\n") + texts.Next(49);
    sheet.conditionTitle = QStringLiteral("（体調）\n") + texts.Next(49);
    for (int r = 0; r < 2; ++r) {
        QStringList row;
        for (int col = 0; col < 9; ++col) {
            row << texts.Next(9); // fields of 10 bytes
        }
        row << texts.Next(25); // the remark field of 26
        sheet.rows.push_back(row);
    }
    EXPECT_GT(ExpectCutAtWholeCharacters(TFrmpinp::Layout(sheet), texts, folder / "sheet.pdf"), 0);
}

TEST_F(ReportCutTest, MonthSummaryList) {
    MonthSummarySnapshot month;
    month.year = texts.Next(49);
    month.month = QStringLiteral("9");
    texts.Register(month.year + QStringLiteral("年9月分"));
    // The cells of the summary grid that the list prints: the item names,
    // the threshold labels, the totals and the averages.
    const auto printed = [](int col, int row) {
        return row == 0               ? col == 6 || col == 8
               : row == 2 || row == 4 ? col == 1 || col == 4 || col == 7
               : row == 3             ? col < 8
                                      : row == 5;
    };
    for (int r = 0; r < 6; ++r) {
        QStringList row;
        for (int col = 0; col < 9; ++col) {
            row << (printed(col, r) ? texts.Next(49) : QString());
        }
        month.summary.push_back(row);
    }
    for (int r = 0; r < 2; ++r) {
        QStringList row;
        for (int col = 0; col < 10; ++col) {
            row << texts.Next(49);
        }
        month.days.push_back(row);
    }
    EXPECT_GT(ExpectCutAtWholeCharacters(TFrmPrn1::Layout(month), texts, folder / "month.pdf"), 0);
}

TEST_F(ReportCutTest, TwelveMonthLists) {
    for (int tab = 0; tab < 3; ++tab) {
        LongTexts tabTexts;
        YearSummarySnapshot year;
        year.tab = tab;
        year.startYear = tabTexts.Next(49);
        year.startMonth = QStringLiteral("4");
        year.endYear = QStringLiteral("2005");
        year.endMonth = QStringLiteral("3");
        tabTexts.Register(year.startYear + QStringLiteral("年4月～2005年3月"));
        const int columns = tab == 1 ? 6 : 7;
        // The lists print only the item names of "運動" and "体調" from the
        // grid's titles; a title without a line break is taken whole.
        year.titles = QStringList{QStringLiteral("年月"),
                                  QString(),
                                  QString(),
                                  QString(),
                                  QString(),
                                  QString(),
                                  QString()}
                          .mid(0, columns);
        for (int col = 5; tab > 0 && col < (tab == 2 ? 7 : 6); ++col) {
            year.titles[col] = tabTexts.Next(19);
        }
        for (int r = 0; r < 2; ++r) {
            QStringList row;
            for (int col = 0; col < columns; ++col) {
                row << tabTexts.Next(19); // fields of 20 bytes
            }
            year.rows.push_back(row);
        }
        EXPECT_GT(ExpectCutAtWholeCharacters(YearSummaryReportLayout(year), tabTexts,
                                             folder / ("year" + std::to_string(tab) + ".pdf")),
                  0)
            << tab;
    }
}

TEST_F(ReportCutTest, LeaveList) {
    LedgerSnapshot ledger;
    ledger.leaveYear = 2004;
    ledger.carryOver = texts.Next(49);
    ledger.capChoice = texts.Next(49);
    ledger.grant = texts.Next(49);
    ledger.balance = texts.Next(49);
    for (int r = 0; r < 2; ++r) {
        QStringList row;
        for (int col = 0; col < 7; ++col) {
            row << texts.Next(49);
        }
        ledger.entries.push_back(row);
    }
    EXPECT_GT(ExpectCutAtWholeCharacters(TFrmpyuk::Layout(ledger), texts, folder / "ledger.pdf"),
              0);
}

// The self-check sheet has no column of copied texts; its verdict box grows
// with the verdict, which prints whole.
TEST_F(ReportCutTest, SelfCheckSheet) {
    SelfCheckSnapshot check;
    check.score = QStringLiteral("7");
    for (QString& verdict : check.verdicts) {
        verdict = texts.Next(49);
    }
    LongTexts printed;
    const QString verdict = QStringLiteral("あなたのストレスは") + check.verdicts[4];
    printed.Register(verdict);
    EXPECT_EQ(ExpectCutAtWholeCharacters(TFrmpstr::Layout(check), printed, folder / "check.pdf"),
              0);
}

} // namespace
