#include "platform/stringgrid.h"
#include "records/cp932.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"
#include "tests/windows/plannedanswers.h"
#include "windows/pickers/yearstartpicker.h"
#include "windows/printingmodule/chartwindows.h"
#include "windows/summaries/yearsummarywindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string GoldenBytes(const std::string& name) {
    return ReadBytes(std::filesystem::path(TOLMAR_GOLDEN_DIR) / name);
}

// The three exports of the twelve months from November 2004, CP932 with
// CR LF, as the day files below give them.
const std::string DayCountsCsv = GoldenBytes("yearsummary-counts.csv");
const std::string TotalTimesCsv = GoldenBytes("yearsummary-totals.csv");
const std::string AverageTimesCsv = GoldenBytes("yearsummary-averages.csv");

// A whole year of work days without entries, but for the days given as
// "d=m/dd,weekday,kind,rise,arrival,leaving,bed,exercise,condition,remark".
void WriteYear(const std::filesystem::path& file, int year,
               const std::vector<std::string>& entered) {
    using namespace std::chrono;
    static const char* const Weekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    std::string text = "[DayData]\r\n";
    int number = 0;
    for (sys_days day = sys_days{std::chrono::year{year} / January / 1};
         year_month_day{day}.year() == std::chrono::year{year}; day += days{1}) {
        year_month_day date{day};
        std::string prefix = std::to_string(++number) + "=";
        std::string line = prefix + std::to_string(unsigned(date.month())) + "/" +
                           (unsigned(date.day()) < 10 ? "0" : "") +
                           std::to_string(unsigned(date.day())) + "," +
                           Weekdays[weekday{day}.c_encoding()] + ",,,,,,0,0,";
        for (const std::string& given : entered) {
            if (given.starts_with(prefix)) {
                line = given;
            }
        }
        text += line + "\r\n";
    }
    WriteBytes(file, Utf8ToCp932(text).value());
}

class YearSummaryWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        ProgramFolder = folder.Path();
        TodayYear = 2026;
        // November 2004: two days worked with sleep, steps and weight, a
        // day of paid leave and a morning off after which the afternoon
        // was worked.
        WriteYear(folder / "2004.dat", 2004,
                  {
                      "306=11/01,月,,6:30,8:00,19:00,23:00,12000,65.3,",
                      "307=11/02,火,,7:00,8:30,17:30,,8000,64.9,",
                      "310=11/05,金,年休,,,,,0,0,",
                      "313=11/08,月,前休,,13:00,17:00,,0,0,",
                  });
        // 2005: a day of absence, a compensatory day off and an afternoon
        // of absence in February; work on a Saturday off in March; work
        // into the late-night hours in October.
        WriteYear(folder / "2005.dat", 2005,
                  {
                      "32=2/01,火,欠勤,,,,,0,0,",
                      "33=2/02,水,代休,,,,,0,0,",
                      "34=2/03,木,後欠,,,,,0,0,",
                      "64=3/05,土,休日,,9:00,15:00,,0,0,",
                      "276=10/03,月,,,13:00,23:30,,0,0,",
                  });
    }
    void TearDown() override { ResetProgramState(); }

    static QString Memos(const TForm6& form) {
        return form.Memo1->text() + "/" + form.Memo2->text() + "-" + form.Memo3->text() + "/" +
               form.Memo4->text();
    }

    TempFolder folder;
};

TEST_F(YearSummaryWindow, GridsShowTheEngineFiguresAndEachTabExportsAsShown) {
    PeriodStartYear = 2004;
    PeriodStartMonth = 11;
    TForm6 form(nullptr);
    form.show();
    EXPECT_EQ(Memos(form), QStringLiteral("2004/11-2005/10"));
    EXPECT_EQ(form.PageControl1->currentIndex(), 0);
    EXPECT_EQ(form.StringGrid1->Col(), 1);
    EXPECT_EQ(form.StringGrid1->Row(), 1);
    EXPECT_EQ(form.StringGrid1->RowCount(), 15);
    EXPECT_EQ(form.StringGrid2->RowCount(), 14);
    EXPECT_EQ(form.StringGrid3->ColCount(), 7);
    EXPECT_EQ(form.StringGrid2->Cells(3, 0), QStringLiteral("時間外\n労働時間"));
    EXPECT_EQ(form.StringGrid3->Cells(6, 0), QStringLiteral("（体調）\n体重"));

    // Month labels to the right, the footer labels centred, values to the
    // right on white.
    StringGridModel* model = form.StringGrid1->Model();
    auto align = [model](int col, int row) {
        return model->data(model->index(row - 1, col), Qt::TextAlignmentRole).toInt();
    };
    EXPECT_EQ(align(0, 1), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(align(0, 14), int(Qt::AlignCenter));
    EXPECT_EQ(align(4, 14), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignHCenter | Qt::AlignBottom));

    const std::string* golden[] = {&DayCountsCsv, &TotalTimesCsv, &AverageTimesCsv};
    const char* names[] = {"2004年集計(日数).csv", "2004年集計(合計時間).csv",
                           "2004年集計(平均時間).csv"};
    PlannedAnswers answers;
    for (int tab = 0; tab < 3; ++tab) {
        form.PageControl1->setCurrentIndex(tab);
        std::filesystem::path file = folder / ("tab" + std::to_string(tab) + ".csv");
        answers.SaveFile(QString::fromUtf8(names[tab]), QString::fromStdString(file.string()));
        form.CSVO1->trigger();
        EXPECT_EQ(ReadBytes(file), *golden[tab]) << "tab " << tab;
    }

    // The life-distribution chart draws the average grid as shown.
    form.StringGrid3->SetCells(2, 12, QStringLiteral("12:00"));
    LifeChart shown;
    QTimer::singleShot(0, &form, [&shown] {
        auto* chart = qobject_cast<TFormGraph4*>(QApplication::activeModalWidget());
        ASSERT_NE(chart, nullptr);
        shown = chart->Chart();
        chart->CancelAndClose();
    });
    form.kinnmu1->trigger();
    EXPECT_EQ(shown.title, "月平均生活分布(2004年11月～2005年10月)");
    ASSERT_EQ(shown.labels.size(), 12u);
    EXPECT_EQ(shown.labels[4], "2005/03");
    EXPECT_EQ(shown.sleep[0], 8.0);
    EXPECT_EQ(shown.work[0], 8.0);
    EXPECT_EQ(shown.work[4], 6.0);
    EXPECT_EQ(shown.work[11], 12.0);
}

TEST_F(YearSummaryWindow, StepsAnswerTheirLimitsWithBoxesAndThePickerMovesTheStart) {
    PeriodStartYear = 2004;
    PeriodStartMonth = 11;
    TForm6 form(nullptr);
    form.show();
    PlannedAnswers answers;

    form.Button3->click(); // 前年
    EXPECT_EQ(Memos(form), QStringLiteral("2003/11-2004/10"));
    answers.Box(QStringLiteral("よって、2003年1月から表示します。"), MsgAnswer::Ok);
    form.Button3->click();
    EXPECT_EQ(Memos(form), QStringLiteral("2003/1-2003/12"));

    // 前月 at the lower limit keeps what is shown, typing in the average
    // grid included.
    form.StringGrid3->SetCells(1, 1, QStringLiteral("typed"));
    answers.Box(QStringLiteral("よって、前月を表示できません。"), MsgAnswer::Ok);
    form.Button4->click();
    EXPECT_EQ(Memos(form), QStringLiteral("2003/1-2003/12"));
    EXPECT_EQ(form.StringGrid3->Cells(1, 1), QStringLiteral("typed"));

    // Today's year.
    form.Button5->click(); // 当年
    EXPECT_EQ(Memos(form), QStringLiteral("2026/1-2026/12"));
    EXPECT_EQ(form.StringGrid3->Cells(0, 12), QStringLiteral("2026/12"));
    EXPECT_EQ(form.StringGrid3->Cells(1, 1), QString());
    form.PageControl1->setCurrentIndex(2);
    std::filesystem::path file = folder / "2026.csv";
    answers.SaveFile(QStringLiteral("2026年集計(平均時間).csv"),
                     QString::fromStdString(file.string()));
    form.CSVO1->trigger();
    std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.substr(0, bytes.find('\r')),
              Utf8ToCp932("集計期間：2026年1月～2026年12月").value());

    form.Button7->click(); // 次年, no box
    EXPECT_EQ(Memos(form), QStringLiteral("2027/1-2027/12"));

    // The picker preselects the start; OK moves to its choice, Cancel
    // changes nothing.
    auto pick = [&form](int yearIndex, int monthIndex) {
        QString preselected;
        QTimer::singleShot(0, &form, [&] {
            auto* picker = qobject_cast<TForm6sel*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            preselected = picker->ComboBox1->currentText() + picker->ComboBox2->currentText();
            picker->ComboBox1->setCurrentIndex(yearIndex);
            picker->ComboBox2->setCurrentIndex(monthIndex);
            picker->Button1->click();
        });
        form.Button8->click();
        return preselected;
    };
    EXPECT_EQ(pick(96, 0), QStringLiteral("2027年 1月"));
    EXPECT_EQ(Memos(form), QStringLiteral("2099/1-2099/12"));
    answers.Box(
        QStringLiteral("2003年1月～2099年12月までとなっています。\nよって、次年を表示できません。"),
        MsgAnswer::Ok);
    form.Button7->click(); // 次年
    EXPECT_EQ(Memos(form), QStringLiteral("2099/1-2099/12"));
    answers.Box(QStringLiteral("よって、次月を表示できません。"), MsgAnswer::Ok);
    form.Button6->click(); // 次月
    EXPECT_EQ(Memos(form), QStringLiteral("2099/1-2099/12"));

    EXPECT_EQ(pick(95, 11), QStringLiteral("2099年 1月")); // 2098年12月
    EXPECT_EQ(Memos(form), QStringLiteral("2098/12-2099/11"));
    QTimer::singleShot(0, &form, [] {
        auto* picker = qobject_cast<TForm6sel*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->ComboBox1->setCurrentIndex(0);
        picker->Button2->click();
    });
    form.N3->trigger();
    EXPECT_EQ(Memos(form), QStringLiteral("2098/12-2099/11"));

    form.F2->trigger(); // 次月 into 2099 without a box
    EXPECT_EQ(Memos(form), QStringLiteral("2099/1-2099/12"));

    // Esc in the average grid's open editor reaches the window: it does
    // nothing with the setting off and minimises the program with it on.
    form.PageControl1->setCurrentIndex(2);
    form.StringGrid3->SetCurrentCell(1, 1);
    form.StringGrid3->edit(form.StringGrid3->currentIndex());
    QLineEdit* editor = form.StringGrid3->OpenEditor();
    ASSERT_NE(editor, nullptr);
    Settings.Escflg = 0;
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(form.isMinimized());
    Settings.Escflg = 1;
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(form.isMinimized());
    EXPECT_TRUE(form.isVisible());

    ASSERT_EQ(answers.Shown().size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(
            answers.Shown()[i].startsWith(QStringLiteral("表示確認: 本ﾌﾟﾛｸﾞﾗﾑの対応期間は、")));
        EXPECT_EQ(answers.ShownIcons()[i], MsgIcon::Exclamation);
    }
}

} // namespace
