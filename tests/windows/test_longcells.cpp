// Cells whose text runs far past them (a day file edited outside the
// program may hold megabytes in one remark): they look as before, and
// nothing of the text is lost to the grid's editor.
#include "platform/fonts.h"
#include "platform/stringgrid.h"
#include "records/dates.h"
#include "records/dayfile.h"
#include "records/state.h"
#include "records/yearslots.h"
#include "windows/main/mainwindow.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/windows/fixedday.h"

namespace {

QImage Drawn(const QString& text, int width, Qt::Alignment alignment) {
    QImage image(width + 40, 24, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(ProgramFont(GothicFontName, 12));
    const QRect cell(20, 0, width, 24);
    painter.setClipRect(cell);
    painter.drawText(cell, int(alignment), text);
    return image;
}

QString Repeated(const QString& piece, int times) {
    QString text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(CellTextThatFits, DrawsTheSamePixelsAsTheWholeText) {
    const QString mixed = Repeated(QStringLiteral("会議の予定 abc 12:30、"), 400);
    const QString emoji = Repeated(QStringLiteral("😀x"), 3000); // surrogate pairs
    for (const QString& text : {mixed, emoji, mixed.mid(1)}) {
        for (int width : {20, 35, 200, 500}) {
            for (Qt::Alignment alignment :
                 {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter}) {
                SCOPED_TRACE(testing::Message() << "width " << width << " alignment "
                                                << int(alignment) << " length " << text.size());
                const QString part = CellTextThatFits(text, width, alignment);
                EXPECT_LT(part.size(), text.size());
                EXPECT_FALSE(part.front().isLowSurrogate());
                EXPECT_FALSE(part.back().isHighSurrogate());
                EXPECT_EQ(Drawn(part, width, alignment), Drawn(text, width, alignment));
            }
        }
    }
}

TEST(CellTextThatFits, KeepsWhatItCannotCutSafely) {
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const QString shortText = QStringLiteral("会議の予定");
    const QString hebrew = Repeated(QStringLiteral("שלום "), 1000);
    const QString lines = Repeated(QStringLiteral("abc") + QChar(QChar::LineSeparator), 1000);
    for (const QString& text : {shortText, hebrew, lines}) {
        EXPECT_EQ(CellTextThatFits(text, 40, left), text);
    }
}

// The main window on 2004-09-27 over a day file whose remark of the 20th is
// 300,000 characters long.
class LongRemarkTest : public FixedDayTest {
protected:
    void SetUp() override {
        FixedDayTest::SetUp();
        LoadYearSlots(folder.Path(), 2004);
        remark = Repeated(QStringLiteral("会議の予定、表計算。"), 30000);
        YearSlot2[static_cast<std::size_t>(DayOfYear({2004, 9, 20}))].Remark = remark.toStdString();
        ASSERT_TRUE(SaveDayFile(folder.Path(), 2, 2004).written);
        ResetProgramState();
        ProgramFolder = folder.Path();
        form = std::make_unique<TForm1>();
        form->show();
        QApplication::processEvents();
    }

    std::unique_ptr<TForm1> form;
    QString remark;
};

TEST_F(LongRemarkTest, TheEditorShowsItsStartReadOnlyAndTheCellKeepsItWhole) {
    TStringGrid* grid = form->StringGrid1;
    ASSERT_EQ(grid->Cells(9, 20), remark);
    grid->SetCurrentCell(9, 20);
    QApplication::processEvents();
    QLineEdit* editor = grid->OpenEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isReadOnly());
    EXPECT_FALSE(editor->text().isEmpty());
    EXPECT_TRUE(remark.startsWith(editor->text()));
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete); // refused: the editor holds only the start
    EXPECT_EQ(grid->Cells(9, 20), remark);

    // An ordinary remark stays editable in the same editor column.
    grid->SetCurrentCell(9, 21);
    QApplication::processEvents();
    editor = grid->OpenEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isReadOnly());
    editor->insert(QStringLiteral("メモ"));
    EXPECT_EQ(grid->Cells(9, 21), QStringLiteral("メモ"));
    EXPECT_EQ(grid->Cells(9, 20), remark);
}

} // namespace
