#include "platform/reportpreview.h"
#include "platform/stringgrid.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/windows/fixedday.h"
#include "tests/windows/plannedanswers.h"
#include "tests/windows/reportpdf.h"
#include "windows/ledger/ledgerwindow.h"
#include "windows/main/mainwindow.h"
#include "windows/selfcheck/selfcheckwindow.h"
#include "windows/summaries/monthsummarywindow.h"
#include "windows/summaries/yearsummarywindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

using ReportWindowTest = FixedDayTest;

// Runs step on the modal window that the command opens, once it is up.
void WhenModalOpens(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no modal window opened";
        step(modal);
    });
}

TEST_F(ReportWindowTest, PrintCommandPreviewsTheInputSheetAsDisplayedAndSavesItAsPdf) {
    TForm1 form;
    EXPECT_FALSE(form.P1->isEnabled());
    form.show();
    // The printer check finds output possible with or without a printer.
    EXPECT_TRUE(PrinterReady);
    EXPECT_TRUE(form.P1->isEnabled());
    EXPECT_EQ(form.P1->text(), QStringLiteral("印刷(&P)"));
    // Typed but not committed: the sheet prints it all the same.
    form.StringGrid1->SetCells(9, 3, QStringLiteral("未確定の備考"));

    const std::filesystem::path proposed = folder / "勤務時間.pdf";
    const std::filesystem::path unwritable = folder / "missing" / "sheet.pdf";
    PlannedAnswers answers;
    answers.SaveFile(QString::fromStdString(proposed.string()),
                     QString::fromStdString(unwritable.string()));
    answers.Box(QStringLiteral("を作成できません"), MsgAnswer::Ok);
    answers.SaveFile(QString::fromStdString(proposed.string()),
                     QString::fromStdString(proposed.string()));
    bool previewed = false;
    WhenModalOpens([&](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), ReportPreviewName);
        EXPECT_TRUE(modal->windowTitle().contains(QStringLiteral("勤務時間")));
        auto* print = modal->findChild<QAction*>(ReportPrintActionName);
        ASSERT_NE(print, nullptr);
        // A file that cannot be written is reported and the preview stays;
        // so it does after a print, until its close command.
        print->trigger();
        EXPECT_TRUE(modal->isVisible());
        print->trigger();
        EXPECT_TRUE(modal->isVisible());
        EXPECT_TRUE(std::filesystem::exists(proposed));
        auto* close = modal->findChild<QAction*>(ReportCloseActionName);
        ASSERT_NE(close, nullptr);
        close->trigger();
        previewed = !modal->isVisible();
    });
    form.P1->trigger();
    EXPECT_TRUE(previewed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    const PdfContents pdf = ReadPdf(proposed);
    EXPECT_EQ(pdf.pages, 1);
    const QString text = pdf.Text();
    EXPECT_TRUE(text.contains(QStringLiteral("2004年9月分")));
    EXPECT_TRUE(text.contains(QStringLiteral("未確定の備考")));
    EXPECT_TRUE(text.contains(QStringLiteral("9/27")));
    EXPECT_TRUE(text.contains(QStringLiteral("万歩計数")));
    EXPECT_FALSE(std::filesystem::exists(unwritable));

    // Esc closes the preview.
    bool escaped = false;
    WhenModalOpens([&](QWidget* modal) {
        QTest::keyClick(modal, Qt::Key_Escape);
        escaped = !modal->isVisible();
    });
    form.P1->trigger();
    EXPECT_TRUE(escaped);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ReportWindowTest, SelfCheckJudgesTheAnswersAndPrintsTheSheet) {
    PrinterReady = true;
    TFormUnitstchk form(nullptr);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("疲労蓄積度自己診断チェック"));
    EXPECT_TRUE(form.Panel1->isVisible());
    EXPECT_TRUE(form.Button6->isEnabled());

    // Symptoms: "よくある" on questions 1 and 2, "時々ある" on 3 = 7 points
    // (grade 2).
    form.AnswerButtons(0)[2]->click();
    form.AnswerButtons(1)[2]->click();
    form.AnswerButtons(2)[1]->click();
    form.Button1->click();
    EXPECT_EQ(SymptomScore, 7);
    EXPECT_TRUE(form.Panel2->isVisible());
    // Work: row 21 "非常に多い" (3) and row 27 "大きい" (1) = 4 (grade 2).
    auto* row21 = form.findChild<QRadioButton*>(QStringLiteral("RadioButton57"));
    auto* row27 = form.findChild<QRadioButton*>(QStringLiteral("RadioButton41"));
    ASSERT_NE(row21, nullptr);
    ASSERT_NE(row27, nullptr);
    EXPECT_EQ(row21->text(), QStringLiteral("非常に多い"));
    row21->click();
    row27->click();
    form.Button3->click();
    EXPECT_EQ(WorkloadScore, 4);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("1"));
    EXPECT_EQ(BurdenBand, 1);
    EXPECT_TRUE(form.Panel3->isVisible());
    EXPECT_EQ(form.StringGrid1->Model()
                  ->data(form.StringGrid1->Model()->index(0, 2), Qt::BackgroundRole)
                  .value<QColor>(),
              QColor(Qt::yellow));

    // Back to page 2, a heavier answer: work 6 (grade 3) gives score 3.
    form.Button5->click();
    form.findChild<QRadioButton*>(QStringLiteral("RadioButton45"))->click(); // row 26: +3
    form.AnswerButtons(19)[0]->click();                                      // row 27 back
    form.Button3->click();
    EXPECT_EQ(WorkloadScore, 6);
    EXPECT_EQ(form.Label26->text(), QStringLiteral("3"));
    EXPECT_EQ(BurdenBand, 2);

    const SelfCheckSnapshot snapshot = form.Snapshot();
    EXPECT_EQ(snapshot.answers[0], 2);
    EXPECT_EQ(snapshot.answers[13], 2);
    EXPECT_EQ(snapshot.verdicts[2], QStringLiteral("やや高いと考えられます"));

    bool previewed = false;
    WhenModalOpens([&](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), ReportPreviewName);
        EXPECT_TRUE(modal->windowTitle().contains(QStringLiteral("疲労蓄積度")));
        QTest::keyClick(modal, Qt::Key_Escape);
        previewed = true;
    });
    form.Button6->click();
    EXPECT_TRUE(previewed);

    // From the start: every first answer, both counts 0.
    form.Button4->click();
    EXPECT_TRUE(form.Panel1->isVisible());
    EXPECT_EQ(SymptomScore, 0);
    EXPECT_EQ(WorkloadScore, 0);
    for (int q = 0; q < SelfCheckQuestionCount; ++q) {
        EXPECT_TRUE(form.AnswerButtons(q).front()->isChecked()) << q;
    }
}

// Prints the report that the command opens into a PDF through the preview's
// print command, which leaves the preview open until Esc, and reads it back.
PdfContents PrintThroughPreview(QAction* command, const std::filesystem::path& file) {
    PlannedAnswers answers;
    answers.SaveFile(QStringLiteral(".pdf"), QString::fromStdString(file.string()));
    bool stayed = false;
    WhenModalOpens([&stayed](QWidget* modal) {
        ASSERT_EQ(modal->objectName(), ReportPreviewName);
        modal->findChild<QAction*>(ReportPrintActionName)->trigger();
        stayed = modal->isVisible();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    command->trigger();
    EXPECT_TRUE(stayed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    return ReadPdf(file);
}

TEST_F(ReportWindowTest, TwelveMonthSummaryPrintsTheListOfItsActiveTab) {
    PrinterReady = true;
    PeriodStartYear = 2004;
    PeriodStartMonth = 11;
    TForm6 form(nullptr);
    form.show();
    EXPECT_TRUE(form.P1->isEnabled());
    const char* const titles[] = {"期間集計（日数）", "期間集計（合計時間）",
                                  "期間集計（平均時間）"};
    for (int tab = 0; tab < 3; ++tab) {
        form.PageControl1->setCurrentIndex(tab);
        const PdfContents pdf =
            PrintThroughPreview(form.P1, folder / ("tab" + std::to_string(tab) + ".pdf"));
        const QString text = pdf.Text();
        EXPECT_TRUE(text.contains(QString::fromUtf8(titles[tab]))) << tab;
        EXPECT_TRUE(text.contains(QStringLiteral("2004年11月～2005年10月"))) << tab;
        EXPECT_TRUE(text.contains(QStringLiteral("2004/11")) &&
                    text.contains(QStringLiteral("2005/10")))
            << tab;
        EXPECT_EQ(text.contains(QStringLiteral("出勤日数")), tab == 0);
        EXPECT_EQ(text.contains(QStringLiteral("体重")), tab == 2);
    }
}

TEST_F(ReportWindowTest, LedgerPrintsTheRecomputedEntriesOnItsFirst45Rows) {
    // 2004: 25 days carried over, 20 granted; 年休 on 1/05 and 前休 on 2/13.
    WriteBytes(folder / "2004V.dat",
               "[System]\r\nKuriZan=25\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n[VacationData]\r\n"
               "1=2004/01/05,\x8c\x8e,\x94\x4e\x8b\x78,1.0,39.0,\r\n"
               "2=2004/02/13,\x8b\xe0,\x91\x4f\x8b\x78,0.5,38.5,\r\n\r\n");
    CurYear = 2004;
    LoadYearSlots(ProgramFolder, CurYear);
    LeaveYear = 2004;
    PrinterReady = true;
    TForm4 form(nullptr);
    form.show();
    EXPECT_TRUE(form.P1->isEnabled());
    // Not recomputed on screen: the print recomputes first.
    form.Memo1->setText(QStringLiteral("10"));
    const PdfContents pdf = PrintThroughPreview(form.P1, folder / "ledger.pdf");
    const QString balance = form.StringGrid1->Cells(5, 2);
    EXPECT_NE(balance, QStringLiteral("38.5"));
    EXPECT_EQ(pdf.pages, 1);
    const QString text = pdf.Text();
    for (const QString& part :
         {QStringLiteral("有給休暇一覧"), QStringLiteral("2004年1月～2004年12月分"),
          QStringLiteral("2004/01/05"), QStringLiteral("2004/02/13"), QStringLiteral("年休"),
          QStringLiteral("前休"), QStringLiteral("0.5"), balance, form.Memok->text(),
          form.ComboBox2->currentText()}) {
        EXPECT_TRUE(text.contains(part)) << "missing: " << part.toStdString();
    }
}

TEST_F(ReportWindowTest, MonthSummaryPrintsA31DayPeriodListOnOnePage) {
    InitDateGlobals();
    InitLeaveKinds();
    SummaryYear = 2004;
    SummaryMonth = 8;
    PrinterReady = true;
    TForm5 form(nullptr);
    form.show();
    ASSERT_EQ(form.StringGrid2->RowCount(), 32);
    EXPECT_TRUE(form.P2->isEnabled());
    const PdfContents pdf = PrintThroughPreview(form.P2, folder / "month.pdf");
    EXPECT_EQ(pdf.pages, 1);
    const QString text = pdf.Text();
    EXPECT_TRUE(text.contains(QStringLiteral("勤務時間等一覧")));
    EXPECT_TRUE(text.contains(QStringLiteral("2004年8月分")));
    EXPECT_EQ(text.count(QStringLiteral("万歩計数")), 2);
    for (int row = 1; row <= 31; ++row) {
        EXPECT_TRUE(text.contains(form.StringGrid2->Cells(0, row).trimmed())) << row;
    }
}

} // namespace
