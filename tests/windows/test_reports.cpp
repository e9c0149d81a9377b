#include "platform/report.h"
#include "records/clock.h"
#include "tests/common/tempfolder.h"
#include "tests/windows/reportpdf.h"
#include "windows/printingmodule/printservice.h"
#include "windows/reports/reports.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace {

const char* const Weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};

QString Day(int month, int day) {
    return QStringLiteral("%1/%2 ").arg(month).arg(day, 2, 10, QLatin1Char('0'));
}

class ReportPdfTest : public ::testing::Test {
protected:
    void SetUp() override { SetClockForTest(LocalDateTime{2004, 9, 27, 10, 0, 0}); }
    void TearDown() override { SetClockForTest(std::nullopt); }

    PdfContents Render(const ReportLayout& layout, const char* name) {
        const std::filesystem::path path = folder / name;
        EXPECT_TRUE(WriteReportPdf(layout, path));
        return ReadPdf(path);
    }

    TempFolder folder;
};

void ExpectAll(const QString& text, const QStringList& parts) {
    for (const QString& part : parts) {
        EXPECT_TRUE(text.contains(part)) << "missing: " << part.toStdString();
    }
}

TEST_F(ReportPdfTest, InputSheetPrintsEveryDayOfA31DayMonthOnOnePage) {
    InputSheetSnapshot sheet{QStringLiteral("2004"),
                             QStringLiteral("8"),
                             QStringLiteral("（運動）\nｼﾞｮｷﾞﾝｸﾞ"),
                             QStringLiteral("体重"),
                             {}};
    for (int d = 1; d <= 31; ++d) {
        sheet.rows.push_back(
            {Day(8, d), QString::fromUtf8(Weekdays[d % 7]),
             d % 7 == 1 ? QStringLiteral("休日") : QString(), QStringLiteral("6:30"),
             QStringLiteral("8:45"), QStringLiteral("19:10"), QStringLiteral("23:55"),
             QStringLiteral("1,200"), QStringLiteral("65.3"), QStringLiteral("備考%1").arg(d)});
    }
    // 30 bytes of remark keep 25 bytes of whole characters (12 of them); a
    // half-width letter in front keeps all 25 bytes; a short day text is
    // right-aligned in five bytes.
    sheet.rows[2][9] = QStringLiteral("あいうえおかきくけこさしすせそ");
    sheet.rows[3][9] = QStringLiteral("aあいうえおかきくけこさしすせ");
    sheet.rows[4][0] = QStringLiteral("8/5");
    sheet.rows[5][7] = QStringLiteral("123456789012");

    const ReportLayout layout = TFrmpinp::Layout(sheet);
    ASSERT_EQ(layout.details.size(), 31u);
    EXPECT_EQ(layout.details[4].texts.front().text, QStringLiteral("  8/5"));
    EXPECT_EQ(layout.details[0].texts.front().text, QStringLiteral("8/01 "));
    EXPECT_TRUE(std::any_of(
        layout.details[5].texts.begin(), layout.details[5].texts.end(),
        [](const ReportText& text) { return text.text == QStringLiteral("123456789"); }));

    const PdfContents pdf = Render(layout, "sheet.pdf");
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(IpaGothicEmbedded(pdf.fonts)) << pdf.fonts.toStdString();
    const QString text = pdf.Text();
    ExpectAll(text, {"勤務時間",
                     "2004年8月分",
                     "日付",
                     "曜",
                     "休日",
                     "休暇",
                     "起床",
                     "出勤",
                     "退社",
                     "就寝",
                     "（運動）",
                     "ｼﾞｮｷﾞﾝｸﾞ",
                     "（体調）",
                     "体重",
                     "備",
                     "考",
                     "- 1 -",
                     "8/5",
                     "あいうえおかきくけこさし",
                     "aあいうえおかきくけこさし"});
    EXPECT_FALSE(text.contains(QStringLiteral("あいうえおかきくけこさしす")));
    EXPECT_FALSE(text.contains(QStringLiteral("1234567890")));
    for (int d = 1; d <= 31; ++d) {
        EXPECT_TRUE(
            (d == 5 || text.contains(QStringLiteral("8/%1").arg(d, 2, 10, QLatin1Char('0')))) &&
            (d == 3 || d == 4 || text.contains(QStringLiteral("備考%1").arg(d))))
            << d;
    }
}

TEST_F(ReportPdfTest, MonthSummaryPrintsItsSummaryBlockAndA31DayListOnOnePage) {
    MonthSummarySnapshot month{QStringLiteral("2004"), QStringLiteral("8"), {}, {}};
    month.summary = {
        {"睡眠時間", "", "勤務時間", "時間外\n労働時間", "", "深夜\n労働時間", "（運動）\n万歩計数",
         "", "（体調）\n最高血圧"},
        {"合計/平均", "", "合計/平均", "合計/平均", "", "合計/平均", "合計/平均", "", "月平均"},
        {"総合計", "6時間未満", "総合計", "総合計", "45時間超", "総合計", "総合計", "8000歩以上",
         ""},
        {"210:30", "3回", "180:00", "25:30", "1回", "3:00", "250,000", "20回", ""},
        {"平均", "5時間未満", "平均", "平均", "80時間超", "平均", "平均", "10000歩以上", "平均"},
        {"6:47", "1回", "8:10", "1:09", "0回", "0:08", "8,064", "12回", "128.5"}};
    for (int d = 1; d <= 31; ++d) {
        month.days.push_back(
            {Day(8, d), QString::fromUtf8(Weekdays[d % 7]), QString(), QStringLiteral("7:00"),
             QStringLiteral("9:30"), QStringLiteral("1:30"), QStringLiteral("0:30"),
             QStringLiteral("8,000"), QStringLiteral("120"), QStringLiteral("メモ%1").arg(d)});
    }
    const PdfContents pdf = Render(TFrmPrn1::Layout(month), "month.pdf");
    EXPECT_EQ(pdf.pages, 1);
    const QString text = pdf.Text();
    ExpectAll(text, {"勤務時間等一覧", "2004年8月分", "睡眠時間", "時間外労働時間", "総合計",
                     "6時間未満", "45時間超", "8000歩以上", "210:30", "250,000", "10000歩以上",
                     "128.5", "日付", "労働時間", "- 1 -"});
    // The item names under "（運動）" and "（体調）" head both lists.
    EXPECT_EQ(text.count(QStringLiteral("万歩計数")), 2);
    EXPECT_EQ(text.count(QStringLiteral("最高血圧")), 2);
    for (int d = 1; d <= 31; ++d) {
        EXPECT_TRUE(text.contains(QStringLiteral("メモ%1").arg(d))) << d;
    }
}

TEST_F(ReportPdfTest, TwelveMonthListsPrintTheGridOfTheirTab) {
    YearSummarySnapshot year{0,
                             QStringLiteral("2004"),
                             QStringLiteral("4"),
                             QStringLiteral("2005"),
                             QStringLiteral("3"),
                             {},
                             {}};
    const QStringList titles[] = {
        {"年月", "出勤日数", "休日出勤", "休日", "有給休暇", "代休", "欠勤"},
        {"年月", "睡眠時間", "勤務時間", "時間外\n労働時間", "深夜\n労働時間",
         "（運動）\nｼﾞｮｷﾞﾝｸﾞ"},
        {"年月", "睡眠時間", "勤務時間", "時間外\n労働時間", "深夜\n労働時間", "（運動）\nｼﾞｮｷﾞﾝｸﾞ",
         "（体調）\n体重"}};
    const char* const reportTitles[] = {"期間集計（日数）", "期間集計（合計時間）",
                                        "期間集計（平均時間）"};
    for (int tab = 0; tab < 3; ++tab) {
        year.tab = tab;
        year.titles = titles[tab];
        year.rows.clear();
        for (int k = 0; k < 12; ++k) {
            QStringList row{QStringLiteral("%1/%2")
                                .arg(2004 + (k + 3) / 12)
                                .arg((k + 3) % 12 + 1, 2, 10, QLatin1Char('0'))};
            for (int col = 1; col < titles[tab].size(); ++col) {
                row << QStringLiteral("%1:%2").arg(tab * 100 + k).arg(col * 10);
            }
            year.rows.push_back(row);
        }
        year.rows.push_back({QStringLiteral("合計"), QStringLiteral("999:59")});
        if (tab == 0) {
            year.rows.push_back({QStringLiteral("平均"), QStringLiteral("21.5")});
        }
        const PdfContents pdf = Render(YearSummaryReportLayout(year), "year.pdf");
        EXPECT_EQ(pdf.pages, 1);
        const QString text = pdf.Text();
        ExpectAll(text, {QString::fromUtf8(reportTitles[tab]), "2004年4月～2005年3月", "年月",
                         "2004/04", "2004/12", "2005/03", "合計", "999:59", "- 1 -"});
        EXPECT_TRUE(text.contains(
            QStringLiteral("%1:%2").arg(tab * 100 + 11).arg((titles[tab].size() - 1) * 10)));
        if (tab == 0) {
            ExpectAll(text, {"出勤日数", "休日出勤", "有給休暇", "代休", "欠勤", "平均", "21.5"});
        } else {
            ExpectAll(text, {"睡眠時間", "時間外", "労働時間", "運動", "ｼﾞｮｷﾞﾝｸﾞ"});
            EXPECT_EQ(text.contains(QStringLiteral("体重")), tab == 2);
        }
    }
}

TEST_F(ReportPdfTest, LedgerRunsTo45Or90Or101RowsAnd45RowsAPage) {
    LedgerSnapshot ledger{2004,
                          4,
                          QStringLiteral("5.0"),
                          QStringLiteral("20日を超える"),
                          QStringLiteral("20.0"),
                          QStringLiteral("12.5"),
                          {}};
    const std::tuple<int, std::size_t, std::size_t> cases[] = {
        {0, 45, 1},  {1, 45, 1},   {44, 45, 1},   {45, 90, 2},  {46, 90, 2},
        {89, 90, 2}, {90, 101, 3}, {100, 101, 3}, {130, 101, 3}};
    for (auto [entries, rows, pages] : cases) {
        ledger.entries.clear();
        for (int i = 1; i <= entries; ++i) {
            ledger.entries.push_back({QStringLiteral("%1 ").arg(i), QStringLiteral("2004/05/06"),
                                      QStringLiteral("木"), QStringLiteral("年休"),
                                      QStringLiteral("1.0"), QStringLiteral("24.0"),
                                      QStringLiteral("通院%1").arg(i)});
        }
        const ReportLayout layout = TFrmpyuk::Layout(ledger);
        ASSERT_EQ(layout.details.size(), rows) << entries;
        EXPECT_EQ(PaginateReport(layout).size(), pages) << entries;
        const std::size_t filled = std::min<std::size_t>(static_cast<std::size_t>(entries), 100);
        for (std::size_t r = 0; r < rows; ++r) {
            // Rows past the entries are ruled but empty.
            EXPECT_EQ(layout.details[r].texts.empty(), r >= filled) << entries << " row " << r;
            EXPECT_FALSE(layout.details[r].lines.empty());
        }
    }

    ledger.entries.resize(46);
    const PdfContents pdf = Render(TFrmpyuk::Layout(ledger), "ledger.pdf");
    ASSERT_EQ(pdf.pages, 2);
    EXPECT_TRUE(IpaGothicEmbedded(pdf.fonts));
    ExpectAll(pdf.pageTexts[0],
              {"有給休暇一覧", "2004年4月～2005年3月分", "前年繰越日数", "20日を超える場合",
               "本年付与日数", "現在残日数", "5.0", "20日を超える", "20.0", "12.5", "No.", "日付",
               "区分", "残数", "通院1", "通院45", "- 1 -"});
    EXPECT_FALSE(pdf.pageTexts[0].contains(QStringLiteral("通院46")));
    // The column titles head the second page too; the title does not.
    ExpectAll(pdf.pageTexts[1], {"No.", "日付", "区分", "残数", "通院46", "- 2 -"});
    EXPECT_FALSE(pdf.pageTexts[1].contains(QStringLiteral("有給休暇一覧")));

    // A page range chosen for the printer prints only those pages.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((folder / "second.pdf").string()));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    PrintReportPages(TFrmpyuk::Layout(ledger), printer);
    const PdfContents second = ReadPdf(folder / "second.pdf");
    ASSERT_EQ(second.pages, 1);
    ExpectAll(second.pageTexts[0], {"通院46", "- 2 -"});
    EXPECT_FALSE(second.pageTexts[0].contains(QStringLiteral("通院45")));
}

TEST_F(ReportPdfTest, SelfCheckSheetMarksTheCheckedAnswersAndTheBandOfTheScore) {
    SelfCheckSnapshot check;
    check.answers = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 2, 1, 0, 2, 1, 2, 0};
    check.verdicts = {QStringLiteral("仕事に対する負担度"), QStringLiteral("低いと考えられます"),
                      QStringLiteral("やや高いと考えられます"),
                      QStringLiteral("高いと考えられます"),
                      QStringLiteral("非常に高いと考えられます")};
    const std::pair<const char*, int> scores[] = {{"0", 1}, {"1", 1}, {"2", 2}, {"3", 2},
                                                  {"4", 3}, {"5", 3}, {"6", 4}, {"7", 4}};
    for (auto [score, band] : scores) {
        check.score = QString::fromLatin1(score);
        const ReportLayout layout = TFrmpstr::Layout(check);
        const QString verdict = QStringLiteral("あなたのストレスは") + check.verdicts[band];
        bool found = false;
        for (const ReportBand& detail : layout.details) {
            for (const ReportText& text : detail.texts) {
                if (text.text == verdict) {
                    found = true;
                }
                if (text.frame) {
                    // Four blanks wider than the verdict's bytes.
                    EXPECT_EQ(text.text, QString(2 * verdict.size() + 4, QLatin1Char(' ')));
                }
            }
        }
        EXPECT_TRUE(found) << score;
    }

    // Each question row has its dot in the circle of the checked answer.
    check.score = QStringLiteral("5");
    const ReportLayout layout = TFrmpstr::Layout(check);
    std::vector<int> marked;
    for (const ReportBand& detail : layout.details) {
        std::vector<QPointF> circles;
        for (const ReportShape& shape : detail.shapes) {
            if (!shape.fill.isValid()) {
                circles.push_back(shape.rect.center());
            }
        }
        for (const ReportShape& shape : detail.shapes) {
            if (shape.fill == QColor(Qt::black)) {
                auto at = std::find(circles.begin(), circles.end(), shape.rect.center());
                ASSERT_NE(at, circles.end());
                marked.push_back(static_cast<int>(at - circles.begin()));
            }
        }
    }
    EXPECT_EQ(marked, std::vector<int>(check.answers.begin(), check.answers.end()));

    const PdfContents pdf = Render(layout, "check.pdf");
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(IpaGothicEmbedded(pdf.fonts));
    ExpectAll(pdf.Text(),
              {"労働者の疲労蓄積度自己診断チェックリスト", "2004/9/27",
               "１．最近1ヶ月間の自覚症状について", "２．最近1ヶ月間の勤務の状況について",
               "12. 朝、起きた時、ぐったりした疲れを感じる",
               "3. 出張に伴う負担(頻度・拘束時間・時差など)", "ほとんどない", "時々ある",
               "よくある", "ない又は適当", "非常に多い", "不適切である", "判   定",
               "あなたの仕事による負担度の点数は", "5点", "です。（0～7点）",
               "あなたのストレスは高いと考えられます", "45時間を超えている", "- 1 -"});
}

} // namespace
