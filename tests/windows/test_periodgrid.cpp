#include "commands/period.h"
#include "platform/stringgrid.h"
#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/main/mainwindow.h"
#include "windows/main/periodgrid.h"

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/windows/fixedday.h"

namespace {

// The main window on a fixed day, 2004-09-27 (a Monday), with a program
// folder of its own and no data files: the year is built in memory.
class PeriodGridTest : public FixedDayTest {
protected:
    void Open() {
        form = std::make_unique<TForm1>();
        form->show();
        grid = form->StringGrid1;
        period = form->Period();
    }

    QLineEdit* EditCell(int col, int row) {
        grid->SetCurrentCell(col, row);
        QApplication::processEvents();
        return grid->OpenEditor();
    }

    QVariant Style(int col, int row, int role) {
        return grid->Model()->index(row - 1, col).data(role);
    }

    std::unique_ptr<TForm1> form;
    TStringGrid* grid = nullptr;
    PeriodGrid* period = nullptr;
};

TEST_F(PeriodGridTest, ShowsTheMonthContainingTodayWithTodaysRowSelected) {
    Open();
    EXPECT_EQ(form->Memo1->text(), QStringLiteral("2004"));
    EXPECT_EQ(form->Memo2->text(), QStringLiteral("9"));
    EXPECT_EQ(grid->RowCount(), 31);
    EXPECT_EQ(grid->Cells(0, 27), QStringLiteral("9/27 "));
    EXPECT_EQ(grid->Cells(1, 27), QStringLiteral("月"));
    EXPECT_EQ(grid->Cells(2, 26), QStringLiteral("休日")); // Sunday
    EXPECT_EQ(grid->Cells(2, 23), QStringLiteral("休日")); // autumnal equinox
    EXPECT_EQ(grid->Row(), 27);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(TodayRow, 27);
    EXPECT_FALSE(std::filesystem::exists(folder / "2004.dat")); // loading writes nothing
}

TEST_F(PeriodGridTest, KeyFiltersAndByteLimitsRefuseWhatAColumnDoesNotTake) {
    Open();
    QLineEdit* arrival = EditCell(4, 1);
    ASSERT_NE(arrival, nullptr);
    QTest::keyClicks(arrival, "a8:3-0x");
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("8:30"));
    QTest::keyClicks(arrival, "99");
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("8:309")); // five characters at most
    QTest::keyClick(arrival, Qt::Key_Backspace);
    EXPECT_EQ(grid->Cells(4, 1), QStringLiteral("8:30"));

    QLineEdit* steps = EditCell(7, 1);
    QTest::keyClicks(steps, "12.3456789");
    EXPECT_EQ(grid->Cells(7, 1), QStringLiteral("123456"));

    grid->SetCurrentCell(2, 1);
    QApplication::processEvents();
    EXPECT_EQ(grid->OpenEditor(), nullptr); // the kind column takes no typing

    QLineEdit* remark = EditCell(9, 1);
    remark->insert(QStringLiteral("休み～①"));
    remark->insert(QStringLiteral("😀")); // no CP932 form: refused where typed
    EXPECT_EQ(grid->Cells(9, 1), QStringLiteral("休み～①"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("です"));
    QApplication::sendEvent(remark, &commit);
    EXPECT_EQ(grid->Cells(9, 1), QStringLiteral("休み～①です"));
}

TEST_F(PeriodGridTest, PastesLandCleanedAndCutToTheColumnsLimit) {
    Open();
    struct PasteCase {
        int col;
        QString cellBefore;
        QString clipboard;
        QString cellAfter;
    };
    const QString hundredA = QString(100, QChar(u'あ')); // 200 CP932 bytes
    const PasteCase cases[] = {
        // Times, steps and the condition keep what their keys allow.
        {4, {}, QStringLiteral("9:1x"), QStringLiteral("9:1")},
        {7, {}, QStringLiteral("1,234,567"), QStringLiteral("123456")},
        {8, {}, QStringLiteral(" 65.3kg\n"), QStringLiteral("65.3")},
        // Remarks: line breaks and tabs become blanks, what CP932 cannot hold
        // is left out, and the cut keeps whole double-byte characters.
        {9, {}, QStringLiteral("会議\t資料😀①\r\n済"), QStringLiteral("会議 資料①  済")},
        {9, {}, QString(250, QChar(u'x')), QString(200, QChar(u'x'))},
        {9, QStringLiteral("a"), hundredA, QStringLiteral("a") + QString(99, QChar(u'あ'))},
        // Nothing of it is taken: the cell stays as it was.
        {4, QStringLiteral("8:30"), QStringLiteral("abc"), QStringLiteral("8:30")},
        {9, QStringLiteral("メモ"), QStringLiteral("😀\u00A0"), QStringLiteral("メモ")},
    };
    int row = 1;
    for (const PasteCase& paste : cases) {
        SCOPED_TRACE(paste.clipboard.toStdString());
        grid->SetCells(paste.col, row, paste.cellBefore);
        QLineEdit* editor = EditCell(paste.col, row);
        ASSERT_NE(editor, nullptr);
        editor->end(false);
        QApplication::clipboard()->setText(paste.clipboard);
        QTest::keySequence(editor, QKeySequence::Paste);
        EXPECT_EQ(editor->text(), paste.cellAfter);
        EXPECT_EQ(grid->Cells(paste.col, row), paste.cellAfter);
        ++row;
    }
    // A paste over a selection that leaves nothing keeps the selected text.
    QLineEdit* remark = EditCell(9, 4);
    remark->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("😀"));
    remark->paste();
    EXPECT_EQ(grid->Cells(9, 4), QStringLiteral("会議 資料①  済"));
}

TEST_F(PeriodGridTest, KindPopupAndDeleteChangeOnlyTheCellUntilTheCommit) {
    Open();
    CurRow = 5;
    CurCol = 2;
    period->LeaveKindItem(2)->trigger(); // "年休"
    EXPECT_EQ(grid->Cells(2, 5), QStringLiteral("年休"));
    EXPECT_EQ(DataModified, 0);
    CommitGrid(*period);
    EXPECT_EQ(DataModified, 1);
    EXPECT_EQ(MonthWork[4].Kind, "年休");

    grid->SetCurrentCell(2, 5);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(grid->Cells(2, 5), QString());

    // The kind popup only acts on the kind column.
    CurCol = 4;
    period->LeaveKindItem(1)->trigger();
    EXPECT_EQ(grid->Cells(4, 5), QString());
}

TEST_F(PeriodGridTest, DoubleClickStampsByTheSettingAndTheKeys) {
    Open();
    Settings.DoubleClick = 0;
    period->StringGrid1DblClick(4, 3, Qt::NoModifier);
    EXPECT_EQ(grid->Cells(4, 3), QStringLiteral("8:00"));
    period->StringGrid1DblClick(5, 3, Qt::ShiftModifier);
    EXPECT_EQ(grid->Cells(5, 3), QStringLiteral("08:15"));
    period->StringGrid1DblClick(4, 3, Qt::ShiftModifier);
    EXPECT_EQ(grid->Cells(4, 3), QStringLiteral("8:00")); // a time is there: no stamp
    period->StringGrid1DblClick(4, 3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid->Cells(4, 3), QStringLiteral("08:15"));
    Settings.DoubleClick = 1;
    period->StringGrid1DblClick(3, 4, Qt::NoModifier);
    EXPECT_EQ(grid->Cells(3, 4), QStringLiteral("08:15"));
    period->StringGrid1DblClick(6, 4, Qt::ShiftModifier);
    EXPECT_EQ(grid->Cells(6, 4), QStringLiteral("23:00"));

    for (int i = 0; i < 9; ++i) {
        period->StringGrid1DblClick(2, 6, Qt::NoModifier);
    }
    EXPECT_EQ(grid->Cells(2, 6), QString());

    CurCol = 5;
    CurRow = 8;
    form->Period()->N9()->trigger();
    EXPECT_EQ(grid->Cells(5, 8), QStringLiteral("17:00"));
    form->Period()->N10()->trigger();
    EXPECT_EQ(grid->Cells(5, 8), QStringLiteral("08:15"));
}

TEST_F(PeriodGridTest, ColoursComeFromTheSettings) {
    Settings.Backgroundchk[1] = 1; // 年休
    Settings.Backgroundcolor[2] = "clLime";
    Settings.Backgroundchk[8] = 1; // Saturday
    Settings.Backgroundcolor[9] = "clAqua";
    Settings.Redflg = 1;
    Open();
    grid->SetCells(2, 1, QStringLiteral("年休"));
    auto background = [&](int col, int row) {
        return Style(col, row, Qt::BackgroundRole).value<QBrush>().color();
    };
    EXPECT_EQ(background(5, 26), QColor(255, 255, 0)); // Sunday, a rest day: clYellow
    EXPECT_EQ(background(9, 25), QColor(0, 255, 255)); // Saturday: clAqua
    EXPECT_EQ(background(3, 1), QColor(0, 255, 0));    // paid leave: clLime
    EXPECT_FALSE(Style(3, 2, Qt::BackgroundRole).isValid());

    grid->SetCells(4, 2, QStringLiteral("8:01"));
    grid->SetCells(4, 3, QStringLiteral("8:00"));
    EXPECT_EQ(Style(4, 2, Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_EQ(Style(4, 3, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 0));
    EXPECT_EQ(Style(1, 25, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
    EXPECT_EQ(Style(4, 2, Qt::ToolTipRole).toString(),
              QStringLiteral("出勤時刻を入力してください。"));
}

TEST_F(PeriodGridTest, KeyboardMovesLikeASpreadsheet) {
    Open();
    QLineEdit* editor = EditCell(3, 10);
    QTest::keyClicks(editor, "7");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Cells(3, 10), QStringLiteral("7"));
    QTest::keyClick(grid->OpenEditor(), Qt::Key_Backtab);
    EXPECT_EQ(grid->Col(), 3);
    QTest::keyClick(grid->OpenEditor(), Qt::Key_Return);
    EXPECT_EQ(grid->Row(), 11);
    editor = grid->OpenEditor();
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_Left); // the caret moves inside the text first
    EXPECT_EQ(grid->Col(), 3);
    QTest::keyClick(editor, Qt::Key_Right);
    QTest::keyClick(editor, Qt::Key_Right); // at the end: next cell
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Cells(3, 11), QStringLiteral("12"));
    // From the last column Tab goes on to the next row's first editable cell.
    EditCell(9, 11);
    QTest::keyClick(grid->OpenEditor(), Qt::Key_Tab);
    EXPECT_EQ(grid->Row(), 12);
    EXPECT_EQ(grid->Col(), 3);
}

TEST_F(PeriodGridTest, MouseClicksActOnTheCellUnderThePointer) {
    Open();
    auto centre = [&](int col, int row) {
        return grid->visualRect(grid->Model()->index(row - 1, col)).center();
    };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(6, 7));
    EXPECT_EQ(CurCol, 6);
    EXPECT_EQ(CurRow, 7);

    QPoint point = centre(2, 5);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point,
                                 grid->viewport()->mapToGlobal(point));
    QApplication::sendEvent(grid->viewport(), &rightClick);
    EXPECT_EQ(CurCol, 2);
    EXPECT_EQ(CurRow, 5);
    EXPECT_TRUE(period->PopupMenu1()->isVisible());
    period->LeaveKindItem(2)->trigger();
    period->PopupMenu1()->hide();
    EXPECT_EQ(grid->Cells(2, 5), QStringLiteral("年休"));

    // The menu key opens the popup of the current cell, under that cell.
    grid->SetCurrentCell(2, 8);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5));
    QApplication::sendEvent(grid, &menuKey);
    EXPECT_EQ(CurRow, 8);
    ASSERT_TRUE(period->PopupMenu1()->isVisible());
    QRect cell = grid->visualRect(grid->Model()->index(7, 2));
    EXPECT_NEAR(period->PopupMenu1()->pos().y(),
                grid->viewport()->mapToGlobal(cell.bottomLeft()).y(), 2);
    period->LeaveKindItem(3)->trigger();
    period->PopupMenu1()->hide();
    EXPECT_EQ(grid->Cells(2, 8), QStringLiteral("前休"));

    // The header row and the fixed columns select nothing, by either button.
    grid->SetCurrentCell(4, 9);
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(grid->columnViewportPosition(5) + 5, 5));
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, centre(0, 10));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre(1, 11));
    EXPECT_EQ(grid->Row(), 9);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(CurCol, 1); // the press is still told to the window
}

TEST_F(PeriodGridTest, ADisabledGridGreysColouredRowsLikeTheOthers) {
    Open();
    // The same text in a coloured row (Sunday, a rest day) and a plain one.
    grid->SetCells(9, 26, QStringLiteral("休日"));
    grid->SetCells(9, 25, QStringLiteral("休日"));
    grid->SetCurrentCell(3, 27);
    auto darkestText = [&](int row) {
        QApplication::processEvents();
        QImage image = grid->viewport()->grab().toImage();
        QRect cell = grid->visualRect(grid->Model()->index(row - 1, 9));
        int darkest = 255;
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y) {
            for (int x = cell.left() + 2; x < cell.left() + 30; ++x) {
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
            }
        }
        return darkest;
    };
    ASSERT_LT(darkestText(26), 60); // black on yellow while enabled
    form->setEnabled(false);
    EXPECT_GT(darkestText(26), 60);
    EXPECT_NEAR(darkestText(26), darkestText(25), 8);
}

TEST_F(PeriodGridTest, EscMinimisesTheMainWindowOnlyWithTheSetting) {
    Open();
    QApplication::setActiveWindow(form.get());
    QLineEdit* editor = EditCell(9, 3);
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClicks(editor, "abc");
    Settings.Escflg = 0;
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_EQ(grid->Cells(9, 3), QStringLiteral("abc")); // nothing reverted
    Settings.Escflg = 1;
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(form->isMinimized());
    EXPECT_EQ(grid->Cells(9, 3), QStringLiteral("abc"));
}

} // namespace
