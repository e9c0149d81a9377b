#include "platform/stringgrid.h"
#include "records/settings.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "tests/windows/fixedday.h"
#include "tests/windows/plannedanswers.h"
#include "windows/ledger/ledgerwindow.h"

#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

#define NENKYU "\x94\x4e\x8b\x78" // 年休
#define ZENKYU "\x91\x4f\x8b\x78" // 前休
#define GETSU "\x8c\x8e"          // 月
#define KIN "\x8b\xe0"            // 金

const std::string Ledger2004 = "[System]\r\nKuriZan=25\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
                               "[VacationData]\r\n"
                               "1=2004/01/05," GETSU "," NENKYU ",1.0,39.0,\r\n"
                               "2=2004/02/13," KIN "," ZENKYU ",0.5,38.5,\r\n\r\n";

// The ledger window of 2004 opened over the slots of 2003 and 2004.
class LedgerWindowTest : public FixedDayTest {
protected:
    void SetUp() override {
        FixedDayTest::SetUp();
        WriteBytes(folder / "2004V.dat", Ledger2004);
        CurYear = 2004;
        LoadYearSlots(ProgramFolder, CurYear);
        LeaveYear = 2004;
    }

    // Opens the window, lets act work in it, and makes sure it has closed.
    template <typename Act> void Run(Act act) {
        TForm4 form(nullptr);
        QTimer::singleShot(0, &form, [&] {
            act(form);
            if (form.isVisible()) {
                ADD_FAILURE() << "the window is still open";
                form.reject();
            }
        });
        form.RunModal();
    }

    static void TypeInto(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }

    static void TypeRemark(TForm4& form, int row, const char* text) {
        form.StringGrid1->setFocus();
        form.StringGrid1->SetCurrentCell(LeaveRemarkCol, row);
        QLineEdit* editor = form.StringGrid1->OpenEditor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, QString::fromUtf8(text));
    }

    static void ChooseYear(TForm4& form, int year) {
        int index = year - 2003;
        form.ComboBox1->setCurrentIndex(index);
        emit form.ComboBox1->activated(index);
    }
};

TEST_F(LedgerWindowTest, SaveAfterEditingTheCarryOverWritesTheRecomputedBalancesAndTheCsv) {
    Run([this](TForm4& form) {
        EXPECT_EQ(form.Memok->text(), QStringLiteral("38.5"));
        EXPECT_EQ(form.Label6->text(), QStringLiteral("1月から2004年12月まで"));
        TypeInto(form.Memo1, "10");
        form.Button2->click();
        EXPECT_EQ(form.Memo1->text(), QStringLiteral("10.0"));
        EXPECT_EQ(form.StringGrid1->Cells(LeaveBalanceCol, 2), QStringLiteral("28.5"));
        EXPECT_EQ(form.Memok->text(), QStringLiteral("28.5"));
        PlannedAnswers answers;
        answers.SaveFile(QStringLiteral("/2004年度有給休暇.csv"),
                         QString::fromStdString((folder / "ledger.csv").string()));
        form.CSV1->trigger();
        form.Button4->click(); // saved: nothing to ask
    });
    // The export as CP932 bytes: the title lines, the header and the dated rows.
    EXPECT_EQ(ReadBytes(folder / "ledger.csv"),
              "2004\x94N\r\n"
              "\x91O\x94N\x8cJ\x89z\x93\xfa\x90\x94:10.0\x93\xfa  20\x93\xfa\x82\xf0\x92\xb4\x82"
              "\xa6\x82\xe9\x8f\xea\x8d\x87\x81"
              "F20\x93\xfa\x82\xc6\x82\xb7\x82\xe9\r\n"
              "\x96{\x94N\x95t\x97^\x93\xfa\x90\x94:20.0\x93\xfa\r\n"
              "\x8c\xbb\x8d\xdd\x8e"
              "c\x93\xfa\x90\x94  :28.5\x93\xfa\r\n"
              "No\x81"
              "D,\x93\xfa\x81@\x95t,\x97j,\x8b\xe6\x95\xaa,\x93\xfa\x90\x94,\x8e"
              "c\x90\x94,\x81@\x94\xf5\x81@\x8dl\x81@\r\n"
              "1 ,2004/01/05," GETSU "," NENKYU ",1.0,29.0,\r\n"
              "2 ,2004/02/13," KIN "," ZENKYU ",0.5,28.5,\r\n");
    EXPECT_EQ(ReadBytes(folder / "2004V.dat"),
              "[System]\r\nKuriZan=10\r\nKuriFlg=0\r\nNowZan=20\r\n\r\n"
              "[VacationData]\r\n"
              "1=2004/01/05," GETSU "," NENKYU ",1.0,29.0,\r\n"
              "2=2004/02/13," KIN "," ZENKYU ",0.5,28.5,\r\n\r\n");
    EXPECT_EQ(YearSlot2[5].Kind, "") << "the ledger's save gives no day its kind";
}

TEST_F(LedgerWindowTest, ClosingAfterAnEditAsksAndCancelKeepsTheWindow) {
    Run([](TForm4& form) {
        TypeRemark(form, 1, "abc");
        {
            PlannedAnswers answers;
            answers.Box(QStringLiteral("データが変更されています。保存しますか？"),
                        MsgAnswer::Cancel);
            form.Button4->click();
        }
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.StringGrid1->Cells(LeaveRemarkCol, 1), QStringLiteral("abc"));
        PlannedAnswers answers;
        answers.Box(QStringLiteral("保存しますか"), MsgAnswer::No);
        form.Button4->click();
    });
    EXPECT_EQ(ReadBytes(folder / "2004V.dat"), Ledger2004);
}

TEST_F(LedgerWindowTest, ChangingTheYearAsksAndSavesTheYearLeftAlsoOutsideTheList) {
    LeaveYear = 2150;
    Run([this](TForm4& form) {
        EXPECT_EQ(form.ComboBox1->count(), 98) << "2003 to 2100";
        EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
        EXPECT_EQ(form.ComboBox1->placeholderText(), QStringLiteral("2150年"));
        EXPECT_EQ(form.Label6->text(), QStringLiteral("1月から2150年12月まで"));
        EXPECT_EQ(form.Memo1->text(), QStringLiteral("0.0"));
        TypeInto(form.Memo2, "5");
        {
            PlannedAnswers answers;
            answers.Box(QStringLiteral("保存しますか"), MsgAnswer::Yes);
            ChooseYear(form, 2004);
        }
        EXPECT_EQ(ReadBytes(folder / "2150V.dat"),
                  "[System]\r\nKuriZan=0\r\nKuriFlg=0\r\nNowZan=5\r\n\r\n");
        EXPECT_EQ(LeaveYear, 2004);
        EXPECT_EQ(form.Memo1->text(), QStringLiteral("25.0"));
        EXPECT_EQ(form.StringGrid1->Cells(LeaveDateCol, 1), QStringLiteral("2004/01/05"));

        TypeRemark(form, 2, "x");
        {
            PlannedAnswers answers;
            answers.Box(QStringLiteral("保存しますか"), MsgAnswer::Cancel);
            ChooseYear(form, 2005);
        }
        EXPECT_EQ(LeaveYear, 2004);
        EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("2004年"));
        EXPECT_EQ(form.StringGrid1->Cells(LeaveRemarkCol, 2), QStringLiteral("x"));
        PlannedAnswers answers;
        answers.Box(QStringLiteral("保存しますか"), MsgAnswer::No);
        form.Button4->click();
    });
}

TEST_F(LedgerWindowTest, DeleteTypingAndPastingChangeNoDateAndNoUndatedRemark) {
    Run([](TForm4& form) {
        TStringGrid* grid = form.StringGrid1;
        grid->setFocus();
        grid->SetCurrentCell(LeaveDateCol, 1);
        EXPECT_EQ(grid->OpenEditor(), nullptr);
        QTest::keyClick(grid, Qt::Key_Delete);
        QTest::keyClicks(grid, QStringLiteral("9"));
        StringGridModel* model = grid->Model();
        EXPECT_FALSE(model->setData(model->index(0, LeaveKindCol), QString(), Qt::EditRole));
        EXPECT_FALSE(model->setData(model->index(2, LeaveRemarkCol), "x", Qt::EditRole))
            << "row 3 has no date";
        EXPECT_EQ(grid->Cells(LeaveDateCol, 1), QStringLiteral("2004/01/05"));
        EXPECT_EQ(grid->Cells(LeaveKindCol, 1), QStringLiteral("年休"));
        EXPECT_EQ(grid->Cells(LeaveRemarkCol, 3), QString());
        form.Button4->click(); // unchanged: no question
    });
}

// The darkest pixel of the year list's text, left of its arrow and inside
// its frame: the colour its year is written in.
int DarkestTextLightness(QComboBox* list) {
    const QImage image = list->grab().toImage();
    int darkest = 255;
    for (int y = 4; y < image.height() - 4; ++y) {
        for (int x = 4; x < image.width() * 3 / 5; ++x) {
            darkest = std::min(darkest, QColor(image.pixel(x, y)).lightness());
        }
    }
    return darkest;
}

// A year outside the list (a clock past the served years) is the year the window works on:
// it is written like a year chosen from the list, not greyed as disabled.
TEST_F(LedgerWindowTest, AYearOutsideTheListIsWrittenLikeAListedYear) {
    int listed = 0;
    int outside = 0;
    Run([&](TForm4& form) {
        listed = DarkestTextLightness(form.ComboBox1);
        form.close();
    });
    LeaveYear = 2150;
    Run([&](TForm4& form) {
        ASSERT_EQ(form.ComboBox1->placeholderText(), QStringLiteral("2150年"));
        outside = DarkestTextLightness(form.ComboBox1);
        form.close();
    });
    EXPECT_LT(listed, 80) << "no dark text found in the list";
    EXPECT_LE(std::abs(outside - listed), 10) << outside << " against " << listed;
}

} // namespace
