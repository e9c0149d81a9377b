#include "platform/stringgrid.h"
#include "records/cp932.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/common/yearbytes.h"
#include "windows/pickers/datefield.h"
#include "windows/pickers/freeperiodpicker.h"
#include "windows/pickers/monthpicker.h"
#include "windows/printingmodule/chartwindows.h"
#include "windows/summaries/monthsummarywindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

#include "tests/windows/fixedday.h"
#include "tests/windows/plannedanswers.h"

namespace {

#define SUN "\x93\xfa"
#define MON "\x8c\x8e"
#define TUE "\x89\xce"
#define WED "\x90\x85"
#define THU "\x96\xd8"
#define FRI "\x8b\xe0"
#define SAT "\x93y"
#define KYUJITSU "\x8bx\x93\xfa"
#define NENKYU "\x94N\x8bx"

// The summary rows of both exports: titles, "合計/平均" and the labels.
#define TITLE_ROW_START                                                                            \
    "\x90\x87\x96\xb0\x8e\x9e\x8a\xd4,,\x8b\xce\x96\xb1\x8e\x9e\x8a\xd4,"                          \
    "\x8e\x9e\x8a\xd4\x8aO\x98J"                                                                   \
    "\x93\xad\x8e\x9e\x8a\xd4,,\x90[\x96\xe9\x98J\x93\xad\x8e\x9e\x8a\xd4,"
#define TOTAL_ROW                                                                                  \
    "\x8d\x87\x8cv/\x95\xbd\x8b\xcf,,\x8d\x87\x8cv/\x95\xbd\x8b\xcf,\x8d\x87\x8cv/"                \
    "\x95\xbd\x8b\xcf,,"                                                                           \
    "\x8d\x87\x8cv/\x95\xbd\x8b\xcf,\x8d\x87\x8cv/\x95\xbd\x8b\xcf,,\x8c\x8e\x95\xbd\x8b\xcf\r\n"
#define DAILY_TITLES_START                                                                         \
    "\x93\xfa\x95t,\x97j,\x8bx\x93\xfa\x8bx\x89\xc9,\x90\x87\x96\xb0\x8e\x9e\x8a\xd4,\x8b\xce\x96" \
    "\xb1\x8e\x9e\x8a\xd4,\x8e\x9e\x8a\xd4\x8aO\x98J\x93\xad\x8e\x9e\x8a\xd4,\x90[\x96\xe9\x98J"   \
    "\x93\xad\x8e\x9e\x8a\xd4,"
#define DAY_0901                                                                                   \
    "9/01 ," WED ",,7:00,10:00,2:00,,\"12,345\",65.3,\x89\xef\x8b"                                 \
    "c\x81"                                                                                        \
    "A\x8e\x91\x97\xbf\r\n"

// 2004 with a few days filled; every other day is built from the calendar.
// 2003 with the first of January and of December.
class MonthSummaryWindowTest : public FixedDayTest {
protected:
    void SetUp() override {
        FixedDayTest::SetUp();
        InitDateGlobals();
        InitLeaveKinds();
        Settings.Breaks[0] = "12:00";
        Settings.Breake[0] = "13:00";
        const std::map<int, std::string> days{
            {244, ",火,,,,,23:30,0,0,"},
            {245, ",水,,6:30,8:00,19:00,0:00,12345,65.25,会議、資料"},
            {246, ",木,,6:00,21:00,26:30,,900,0,\"a,b\""},
            {248, ",土,休日,,9:00,18:00,,0,0,"},
            {250, ",月,年休,,,,,0,0,"},
        };
        WriteBytes(folder / "2004.dat",
                   YearFileBytes2004("[DayData]", [&](int d, const std::string& date) {
                       auto day = days.find(d);
                       return day == days.end() ? std::string()
                                                : date + Utf8ToCp932Lossy(day->second);
                   }));
        WriteBytes(folder / "2003.dat", "[DayData]\r\n"
                                        "1=1/01,x,,,9:00,18:00,,0,0,\r\n"
                                        "335=12/01,x,,,8:00,18:00,,0,0,\r\n");
    }

    static QStringList Row(TStringGrid* grid, int row) {
        QStringList cells;
        for (int col = 0; col < grid->ColCount(); ++col) {
            cells << grid->Cells(col, row);
        }
        return cells;
    }

    QString InFolder(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }
};

std::string SeptemberDayLines() {
    static const char* const Weekdays[] = {SUN, MON, TUE, WED, THU, FRI, SAT};
    std::string lines = DAY_0901 "9/02 ," THU ",,6:00,5:30,1:00,4:30,900,,\"a,b\"\r\n";
    for (int day = 3; day <= 30; ++day) {
        // 9/4 was a Saturday; Sundays, 9/20 and 9/23 are rest days.
        int weekday = (day + 2) % 7;
        std::string kind = weekday == 0 || day == 20 || day == 23 ? KYUJITSU
                           : day == 6                             ? NENKYU
                                                                  : "";
        std::string values = day == 4 ? ",,8:00,8:00,,,," : ",,,,,,,";
        lines += "9/" + std::string(day < 10 ? "0" : "") + std::to_string(day) + " ," +
                 Weekdays[weekday] + "," + (day == 4 ? std::string(KYUJITSU) : kind) + values +
                 "\r\n";
    }
    return lines;
}

TEST_F(MonthSummaryWindowTest, ThirtyDayMonthShowsTheEngineFiguresAndExportsWhatItShows) {
    SummaryYear = 2004;
    SummaryMonth = 9;
    PlannedAnswers answers;
    TForm5 form(nullptr);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("月指定集計"));
    EXPECT_EQ(form.Memo1->text(), QStringLiteral("2004"));
    EXPECT_EQ(form.Memo2->text(), QStringLiteral("9"));
    EXPECT_EQ(Row(form.StringGrid1, 3),
              (QStringList{"13:00", "0回", "23:30", "11:00", "1回", "4:30", "13,245", "1回", ""}));
    EXPECT_EQ(Row(form.StringGrid1, 5),
              (QStringList{"6:30", "0回", "7:50", "3:40", "1回", "1:30", "6,622", "0回", "65.3"}));
    ASSERT_EQ(form.StringGrid2->RowCount(), 31);
    EXPECT_EQ(Row(form.StringGrid2, 1), (QStringList{"9/01 ", "水", "", "7:00", "10:00", "2:00", "",
                                                     "12,345", "65.3", "会議、資料"}));
    EXPECT_EQ(Row(form.StringGrid2, 30)[0], QStringLiteral("9/30 "));
    EXPECT_EQ(form.StringGrid2->ColWidths(2), 30);

    // Colours as in the main grid: rest days yellow, Saturday blue and
    // Sunday red in the weekday column, other days white.
    auto style = [&](int col, int row, int role) {
        return form.StringGrid2->model()->index(row - 1, col).data(role);
    };
    EXPECT_EQ(style(3, 5, Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::yellow));
    EXPECT_EQ(style(9, 4, Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::yellow));
    EXPECT_EQ(style(3, 3, Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    EXPECT_EQ(style(1, 5, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    EXPECT_EQ(style(1, 4, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
    EXPECT_EQ(style(9, 1, Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));

    // The charts read the daily grid as it is shown.
    QTimer::singleShot(0, [] {
        auto* chart = qobject_cast<TFormGraph1*>(QApplication::activeModalWidget());
        ASSERT_NE(chart, nullptr);
        ASSERT_EQ(chart->Chart().values.size(), 30u);
        EXPECT_EQ(chart->Chart().values[0], 7.0);
        EXPECT_EQ(chart->Chart().values[1], 6.0);
        chart->close();
    });
    form.S2Click();

    answers.SaveFile(InFolder("2004年9月集計.csv"), InFolder("out.csv"));
    form.P1Click();
    EXPECT_EQ(ReadBytes(folder / "out.csv"),
              TITLE_ROW_START
                  "\x81i\x89^\x93\xae\x81j\x96\x9c\x95\xe0\x8cv\x90\x94,,\x81i\x91\xcc"
                  "\x92\xb2\x81j\x91\xcc\x8f"
                  "d\r\n" TOTAL_ROW
                  "\x91\x8d\x8d\x87\x8cv,6\x8e\x9e\x8a\xd4\x96\xa2\x96\x9e,\x91\x8d\x8d"
                  "\x87\x8cv,\x91\x8d\x8d\x87\x8cv,2\x8e\x9e\x8a\xd4\x92\xb4,\x91\x8d"
                  "\x8d\x87\x8cv,\x91\x8d\x8d\x87\x8cv,10000\x95\xe0\x88\xc8\x8f\xe3,\r\n"
                  "13:00,0\x89\xf1,23:30,11:00,1\x89\xf1,4:30,\"13,245\",1\x89\xf1,\r\n"
                  "\x95\xbd\x8b\xcf,5\x8e\x9e\x8a\xd4\x96\xa2\x96\x9e,\x95\xbd\x8b\xcf,"
                  "\x95\xbd\x8b\xcf,3\x8e\x9e\x8a\xd4\x92\xb4,\x95\xbd\x8b\xcf,\x95\xbd"
                  "\x8b\xcf,13000\x95\xe0\x88\xc8\x8f\xe3,\x95\xbd\x8b\xcf\r\n"
                  "6:30,0\x89\xf1,7:50,3:40,1\x89\xf1,1:30,\"6,622\",0\x89\xf1,65."
                  "3\r\n" DAILY_TITLES_START "\x81i\x89^\x93\xae\x81j\x96\x9c\x95\xe0\x8cv"
                  "\x90\x94,\x81i\x91\xcc\x92\xb2\x81j\x91\xcc\x8f"
                  "d,\x94\xf5\x8dl\r\n" +
                  SeptemberDayLines());
}

TEST_F(MonthSummaryWindowTest, FreePeriodOfOneDayThenTodaysMonthAgain) {
    Settings.Movement = 2;
    Settings.Movementname = "Walking練習"; // 7 bytes, then a character that would be split
    Settings.Condition = 2;
    Settings.Conditionname = "血糖値ABC";
    SummaryYear = 2004;
    SummaryMonth = 9;
    PlannedAnswers answers;
    TForm5 form(nullptr);
    form.show();
    QTimer::singleShot(0, [] {
        auto* picker = qobject_cast<TForm3*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->DateTimePicker1->setDate(QDate(2004, 9, 1));
        picker->DateTimePicker2->setDate(QDate(2004, 9, 1));
        picker->Button1Click();
    });
    form.N4Click();
    ASSERT_EQ(form.StringGrid2->RowCount(), 2);
    EXPECT_EQ(form.Memo2->text(), QStringLiteral("9"));

    answers.SaveFile(InFolder("2004年9月集計.csv"), InFolder("one.csv"));
    form.P1Click();
    EXPECT_EQ(
        ReadBytes(folder / "one.csv"), TITLE_ROW_START
        "\x81i\x89^\x93\xae\x81jWalking,,\x81i\x91\xcc\x92\xb2\x81j\x8c\x8c"
        "\x93\x9c\x92lAB\r\n" TOTAL_ROW
        "\x91\x8d\x8d\x87\x8cv,6\x8e\x9e\x8a\xd4\x96\xa2\x96\x9e,\x91\x8d\x8d"
        "\x87\x8cv,\x91\x8d\x8d\x87\x8cv,2\x8e\x9e\x8a\xd4\x92\xb4,\x91\x8d"
        "\x8d\x87\x8cv,\x91\x8d\x8d\x87\x8cv,10000\x95\xaa\x88\xc8\x8f\xe3,\r\n"
        "7:00,0\x89\xf1,10:00,2:00,0\x89\xf1,0:00,\"12,345\",1\x89\xf1,\r\n"
        "\x95\xbd\x8b\xcf,5\x8e\x9e\x8a\xd4\x96\xa2\x96\x9e,\x95\xbd\x8b\xcf,"
        "\x95\xbd\x8b\xcf,3\x8e\x9e\x8a\xd4\x92\xb4,\x95\xbd\x8b\xcf,\x95\xbd"
        "\x8b\xcf,13000\x95\xaa\x88\xc8\x8f\xe3,\x95\xbd\x8b\xcf\r\n"
        "7:00,0\x89\xf1,10:00,2:00,0\x89\xf1,0:00,\"12,345\",0\x89\xf1,65.3\r\n" DAILY_TITLES_START
        "\x81i\x89^\x93\xae\x81jWalking,\x81i\x91\xcc"
        "\x92\xb2\x81j\x8c\x8c\x93\x9c\x92lAB,\x94\xf5\x8dl\r\n" DAY_0901);

    // Today's month is 2004/9 too, and "当月" shows the whole month again.
    form.B1Click();
    EXPECT_EQ(form.StringGrid2->RowCount(), 31);
    // Shown already: nothing is loaded again.
    form.StringGrid2->SetCells(9, 3, QStringLiteral("untouched"));
    form.B1Click();
    EXPECT_EQ(form.StringGrid2->Cells(9, 3), QStringLiteral("untouched"));

    // A file that cannot be made is reported; a cancelled dialog writes
    // nothing.
    answers.SaveFile(QStringLiteral("集計.csv"), InFolder("missing/x.csv"));
    answers.Box(QStringLiteral("を作成できません"), MsgAnswer::Ok);
    form.P1Click();
    answers.SaveFile(QStringLiteral("集計.csv"), std::nullopt);
    form.P1Click();
    EXPECT_EQ(answers.Shown().size(), 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "2004年9月集計.csv"));
}

TEST_F(MonthSummaryWindowTest, MonthStepsAndPickersStayInTheServedYears) {
    SummaryYear = 2003;
    SummaryMonth = 2;
    PlannedAnswers answers;
    TForm5 form(nullptr);
    form.show();
    form.P3Click();
    EXPECT_EQ(SummaryMonth, 1);
    EXPECT_EQ(form.StringGrid2->Cells(4, 1), QStringLiteral("8:00")) << "2003/1/1 from its file";

    // A refused step leaves the values and the grids as they were.
    form.StringGrid2->SetCells(9, 1, QStringLiteral("untouched"));
    form.P3Click();
    EXPECT_EQ(SummaryYear, 2003);
    EXPECT_EQ(SummaryMonth, 1);
    EXPECT_EQ(form.Memo1->text(), QStringLiteral("2003"));
    EXPECT_EQ(form.StringGrid2->Cells(9, 1), QStringLiteral("untouched"));

    // The month picker starts at the shown month; a cancel changes nothing.
    QTimer::singleShot(0, [] {
        auto* picker = qobject_cast<TForm2*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(picker->ComboBox1->currentIndex(), 0);
        picker->Button2Click();
    });
    form.N3Click();
    EXPECT_EQ(form.StringGrid2->Cells(9, 1), QStringLiteral("untouched"));
    QTimer::singleShot(0, [] {
        auto* picker = qobject_cast<TForm2*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->ComboBox2->setCurrentIndex(11);
        picker->Button1Click();
    });
    form.N3Click();
    EXPECT_EQ(form.Memo2->text(), QStringLiteral("12"));
    EXPECT_EQ(form.StringGrid2->Cells(4, 1), QStringLiteral("9:00")) << "2003/12/1 from its file";
    // The right-aligned date keeps its first digit: the text and the cell's
    // two-pixel margins fit the column.
    QString december = form.StringGrid2->Cells(0, 1);
    EXPECT_EQ(december, QStringLiteral("12/01 "));
    EXPECT_GE(form.StringGrid2->ColWidths(0),
              form.StringGrid2->fontMetrics().horizontalAdvance(december) + 4);

    SummaryYear = 2099;
    SummaryMonth = 11;
    TForm5 last(nullptr);
    last.show();
    last.N1Click();
    EXPECT_EQ(last.Memo2->text(), QStringLiteral("12"));
    last.StringGrid2->SetCells(9, 1, QStringLiteral("untouched"));
    last.N1Click();
    EXPECT_EQ(SummaryYear, 2099);
    EXPECT_EQ(SummaryMonth, 12);
    EXPECT_EQ(last.StringGrid2->Cells(9, 1), QStringLiteral("untouched"));
}

TEST_F(MonthSummaryWindowTest, WideFiguresWidenTheirCellsRatherThanLoseLeadingDigits) {
    // Two days of 2,000,000,617 steps make a month of 4,000,001,234.
    WriteBytes(
        folder / "2004.dat", YearFileBytes2004("[DayData]", [](int d, const std::string& date) {
            return d == 245 || d == 246 ? date + ",x,,,,,,2000000617,123456789.25," : std::string();
        }));
    SummaryYear = 2004;
    SummaryMonth = 9;
    TForm5 form(nullptr);
    form.show();
    EXPECT_EQ(form.StringGrid1->Cells(6, 3), QStringLiteral("4,000,001,234"));
    EXPECT_EQ(form.StringGrid2->Cells(7, 1), QStringLiteral("2,000,000,617"));
    EXPECT_EQ(form.StringGrid2->Cells(8, 2), QStringLiteral("123456789.3"));
    // Every figure and its two-pixel margins fit its column.
    auto cut = [](TStringGrid* grid, int col, int row) {
        int needed = grid->fontMetrics().horizontalAdvance(grid->Cells(col, row)) + 4;
        return grid->ColWidths(col) < needed;
    };
    for (int row : {3, 5}) {
        for (int col = 0; col < 9; ++col) {
            EXPECT_FALSE(cut(form.StringGrid1, col, row)) << "summary cell " << col << "," << row;
        }
    }
    for (int row = 1; row < form.StringGrid2->RowCount(); ++row) {
        for (int col = 0; col < 9; ++col) {
            EXPECT_FALSE(cut(form.StringGrid2, col, row)) << "day cell " << col << "," << row;
        }
    }
    // Wider than the window, the summary grid keeps to it and says with its
    // scroll bar that there is more.
    int columns = 2 * form.StringGrid1->frameWidth();
    for (int col = 0; col < 9; ++col) {
        columns += form.StringGrid1->ColWidths(col);
    }
    EXPECT_GT(columns, form.width());
    EXPECT_LE(form.StringGrid1->geometry().right(), form.width());
    EXPECT_TRUE(form.StringGrid1->horizontalScrollBar()->isVisible());
    form.resize(800, 600);
    QApplication::processEvents();
    EXPECT_EQ(form.StringGrid1->width(), columns);
    EXPECT_FALSE(form.StringGrid1->horizontalScrollBar()->isVisible());
}

} // namespace
