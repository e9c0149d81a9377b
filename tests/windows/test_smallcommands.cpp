#include "platform/shellopen.h"
#include "platform/stringgrid.h"
#include "records/cp932.h"
#include "records/state.h"
#include "tests/windows/plannedanswers.h"
#include "windows/dialogs/aboutbox.h"
#include "windows/dialogs/internetlink.h"
#include "windows/main/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/windows/fixedday.h"

namespace {

class SmallCommandsTest : public FixedDayTest {
protected:
    void SetUp() override {
        FixedDayTest::SetUp();
        SetShellOpenHook([this](const QString& target) {
            opened << target;
            return true;
        });
        form = std::make_unique<TForm1>();
        form->show();
    }
    void TearDown() override {
        form.reset();
        SetShellOpenHook({});
        FixedDayTest::TearDown();
    }

    QAction* Item(const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }

    // Runs code inside the modal window that the command is about to open.
    template <class Form, class Steps> static void WhenOpen(Steps steps) {
        QTimer::singleShot(0, [steps] {
            auto* open = qobject_cast<Form*>(QApplication::activeModalWidget());
            ASSERT_NE(open, nullptr);
            steps(open);
        });
    }

    std::unique_ptr<TForm1> form;
    QStringList opened;
};

TEST_F(SmallCommandsTest, PeriodCsvHoldsTheGridAsDisplayedWithQuotedCommas) {
    // 2004/9: row 1 is 9/01, a Wednesday. The values are typed, not committed.
    form->StringGrid1->SetCells(7, 1, QStringLiteral("12,345"));
    form->StringGrid1->SetCells(9, 1, QStringLiteral("雨,\"傘\""));
    form->StringGrid1->SetCells(3, 2, QStringLiteral("630"));
    const auto target = folder / "out.csv";
    {
        PlannedAnswers answers;
        answers.SaveFile(QStringLiteral("2004年9月.csv"), QString::fromStdString(target.string()));
        Item("CSVO1")->trigger();
    }
    std::string bytes = ReadBytes(target);
    std::string expectedStart =
        *Utf8ToCp932("日付,曜,休日休暇,起床,出勤,退社,就寝,（運動）万歩計数,（体調）体重,備考\r\n"
                     "9/01 ,水,,,,,,\"12,345\",,\"雨,\"\"傘\"\"\"\r\n"
                     "9/02 ,木,,630,,,,,,\r\n");
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);
    // The header and one line per day, every line ended by CR LF.
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 31);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 31);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    // Nothing was committed by the export.
    EXPECT_EQ(DataModified, 0);
}

TEST_F(SmallCommandsTest, CancelledCsvDialogWritesNothing) {
    PlannedAnswers answers;
    answers.SaveFile(QStringLiteral("2004年9月.csv"), std::nullopt);
    Item("CSVO1")->trigger();
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST_F(SmallCommandsTest, HelpOpensTheTextBesideTheProgramOrSaysItIsMissing) {
    {
        PlannedAnswers answers;
        answers.Box(QStringLiteral("help.txt"), MsgAnswer::Ok);
        Item("H2")->trigger();
    }
    EXPECT_TRUE(opened.isEmpty());
    WriteBytes(folder / "help.txt", "help\n");
    Item("H2")->trigger();
    EXPECT_EQ(opened, QStringList{QString::fromStdString((folder / "help.txt").string())});
}

// A desktop without xdg-open has nothing that opens a text file: the box says
// so, rather than that the file cannot be opened.
TEST_F(SmallCommandsTest, HelpOnADesktopWithoutAnOpenerSaysNoProgramWasFound) {
    WriteBytes(folder / "help.txt", "help\n");
    SetShellOpenHook({});
    TempFolder emptyBin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(emptyBin.Path().string()));
    PlannedAnswers answers;
    answers.Box(QStringLiteral("help.txt を開くプログラムが見つかりません。"), MsgAnswer::Ok);
    Item("H2")->trigger();
    qputenv("PATH", path);
    EXPECT_EQ(answers.Shown().size(), 1);
}

TEST_F(SmallCommandsTest, WebLinkOpensTheAddressOnItsButtonAndStaysOpen) {
    bool stillOpen = false;
    WhenOpen<TForm7>([&stillOpen](TForm7* dialog) {
        dialog->Button1->click();
        stillOpen = dialog->isVisible();
        dialog->Button2->click();
    });
    Item("I1")->trigger();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(opened, QStringList{QString::fromUtf8(FatigueChecklistAddress)});
}

TEST_F(SmallCommandsTest, AboutBoxShowsTitleAndBuildVersion) {
    QString title, version;
    WhenOpen<TAboutBox>([&](TAboutBox* box) {
        title = box->ProductName->text();
        version = box->Version->text();
        box->OKButton->click();
    });
    Item("N5")->trigger();
    EXPECT_EQ(title, QStringLiteral("トルマーﾌﾟﾛｸﾞﾗﾑ"));
    EXPECT_EQ(version, QStringLiteral("Version 1.2.0.0"));
}

} // namespace
