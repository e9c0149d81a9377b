#include "platform/stringgrid.h"
#include "records/clock.h"
#include "records/settings.h"
#include "records/state.h"
#include "tests/windows/plannedanswers.h"
#include "windows/main/mainwindow.h"

#include "windows/dialogs/leavingtimedialog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/windows/fixedday.h"

namespace fs = std::filesystem;

namespace {

// The main window's save and close commands with the message boxes answered
// ahead of time.
class CloseQueryTest : public FixedDayTest {
protected:
    CloseQueryTest() : FixedDayTest(18, 0) {}

    void SetUp() override {
        FixedDayTest::SetUp();
        form = std::make_unique<TForm1>();
        form->show();
    }
    void TearDown() override {
        form.reset();
        FixedDayTest::TearDown();
    }

    void Type(int col, int row, const char* text) {
        form->StringGrid1->SetCells(col, row, QString::fromUtf8(text));
    }

    std::unique_ptr<TForm1> form;
};

TEST_F(CloseQueryTest, CancelKeepsTheProgramOpenAndYesSavesAndCloses) {
    Type(4, 27, "845");
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("データが変更されています。保存しますか？"), MsgAnswer::Cancel);
        EXPECT_FALSE(form->close());
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(CloseCancelled, 1);
    EXPECT_FALSE(fs::exists(folder / "2004.dat"));
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("保存しますか"), MsgAnswer::Yes);
        EXPECT_TRUE(form->close());
    }
    EXPECT_EQ(Closing, 1);
    EXPECT_NE(ReadBytes(folder / "2004.dat").find("\r\n271=9/27,\x8c\x8e,,,8:45,,,0,0,\r\n"),
              std::string::npos);
}

TEST_F(CloseQueryTest, SaveButtonWritesFourFilesWithoutAsking) {
    PlannedAnswers answers; // no box may appear
    form->Button6->click();
    for (const char* name : {"2003.dat", "2004.dat", "2003V.dat", "2004V.dat"}) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
    EXPECT_EQ(DataModified, 0);
}

TEST_F(CloseQueryTest, AFailedSaveSaysWhichFileAndKeepsTheProgramOpen) {
    Type(9, 3, "メモ");
    ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refused()) {
        GTEST_SKIP() << "this file system lets every write through";
    }
    // One box per failed save, naming every file it could not write.
    auto expectOneBoxNamingAllFiles = [](const PlannedAnswers& answers, int boxesBefore) {
        ASSERT_EQ(answers.Shown().size(), boxesBefore + 1);
        const QString& box = answers.Shown().back();
        EXPECT_TRUE(box.startsWith(QStringLiteral("エラー: ファイル "))) << box.toStdString();
        EXPECT_TRUE(box.endsWith(QStringLiteral(" を作成できません"))) << box.toStdString();
        for (const char* name : {"2003.dat", "2004.dat"}) {
            EXPECT_TRUE(box.contains(QString::fromUtf8(name))) << name;
        }
        // A paid-leave file is not rebuilt when its day file could not be
        // written, so it is not tried.
        EXPECT_FALSE(box.contains(QStringLiteral("V.dat"))) << box.toStdString();
    };
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("を作成できません"), MsgAnswer::Ok);
        form->S1->trigger();
        expectOneBoxNamingAllFiles(answers, 0);
    }
    EXPECT_EQ(DataModified, 1);
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("保存しますか"), MsgAnswer::Yes);
        answers.Box(QStringLiteral("を作成できません"), MsgAnswer::Ok);
        EXPECT_FALSE(form->close());
        expectOneBoxNamingAllFiles(answers, 1);
    }
    EXPECT_EQ(DataModified, 1);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CloseQueryTest, WindowPlacementIsStoredWithWindflgAndNothingElseChanges) {
    Settings.Windflg = 1;
    ASSERT_TRUE(SaveSettings(folder.Path(), 0));
    const std::string before = ReadBytes(folder / "tolmar.ini");
    Settings.Deadline = 20; // changed in memory only: must not reach the file
    form->resize(700, 520);
    PlannedAnswers answers;
    EXPECT_TRUE(form->close());
    std::string after = ReadBytes(folder / "tolmar.ini");
    EXPECT_NE(after.find("Width=700\r\n"), std::string::npos);
    EXPECT_NE(after.find("Height=520\r\n"), std::string::npos);
    EXPECT_EQ(after.substr(after.find("[Office Setup]")),
              before.substr(before.find("[Office Setup]")));
}

// "Autoend" with "Autoendflg" 0 overwrites the leaving time without a
// question, but not with a clock time of the next morning: past midnight
// the leaving time is asked for, counted on from the row's day. OK writes it,
// "ｷｬﾝｾﾙ" leaves the cell; on the row's own day nothing is asked.
TEST_F(CloseQueryTest, PastMidnightTheLeavingTimeIsAskedForWhateverAutoendflgSays) {
    Settings.Autoend = 1;
    Settings.Autoendflg = 0;
    const std::string row27 = "\r\n271=9/27,\x8c\x8e,,,,";
    // Closes the program at the time; answers the leaving-time dialog with
    // OK or "ｷｬﾝｾﾙ" and tells what it offered, or "-" when none appeared.
    auto closeAt = [this](const LocalDateTime& now, bool ok) {
        SetClockForTest(now);
        QString offered = QStringLiteral("-");
        QTimer::singleShot(0, form.get(), [&offered, ok] {
            if (auto* dialog = qobject_cast<TForm9*>(QApplication::activeModalWidget())) {
                offered = dialog->Memo2->text();
                (ok ? dialog->Button1 : dialog->Button2)->click();
            }
        });
        PlannedAnswers answers;
        EXPECT_TRUE(form->close());
        QCoreApplication::processEvents();
        return offered;
    };
    auto reopenAt = [this](int hour) {
        form.reset();
        Closing = 0;
        SetClockForTest(LocalDateTime{2004, 9, 27, hour, 0, 0});
        form = std::make_unique<TForm1>();
        form->show();
    };

    EXPECT_EQ(closeAt({2004, 9, 28, 1, 30, 0}, true), QStringLiteral("25:30"));
    EXPECT_NE(ReadBytes(folder / "2004.dat").find(row27 + "25:30,,0,0,\r\n"), std::string::npos);

    reopenAt(18);
    EXPECT_EQ(closeAt({2004, 9, 29, 8, 29, 0}, false), QStringLiteral("56:29"));
    EXPECT_NE(ReadBytes(folder / "2004.dat").find(row27 + "25:30,,0,0,\r\n"), std::string::npos);

    reopenAt(18);
    EXPECT_EQ(closeAt({2004, 9, 27, 19, 5, 0}, true), QStringLiteral("-"));
    EXPECT_NE(ReadBytes(folder / "2004.dat").find(row27 + "19:05,,0,0,\r\n"), std::string::npos);
}

} // namespace
