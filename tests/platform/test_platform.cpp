#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/instancelock.h"
#include "platform/modalform.h"
#include "platform/translations.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"
#include "tests/windows/plannedanswers.h"
#include "windows/main/startup.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class ModalFormTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
};

TEST_F(ModalFormTest, ConfirmGivesOneAndTheCloseBoxGivesZero) {
    TModalForm form(nullptr);
    DialogResult = 7;
    QTimer::singleShot(0, &form, [&form] { form.ConfirmAndClose(); });
    EXPECT_TRUE(form.RunModal());
    EXPECT_EQ(DialogResult, 1);

    QTimer::singleShot(0, &form, [&form] { form.close(); });
    EXPECT_FALSE(form.RunModal());
    EXPECT_EQ(DialogResult, 0);
}

TEST_F(ModalFormTest, EscNeverClosesAndMinimisesOnlyWhenTheQuerySaysSo) {
    QMainWindow main;
    main.show();
    TModalForm form(&main);
    bool stillOpenAfterEsc = false;
    bool mainMinimized = true;
    bool escapeMinimizes = false;
    SetEscapeMinimizesQuery([&] { return escapeMinimizes; });
    QTimer::singleShot(0, &form, [&] {
        QTest::keyClick(&form, Qt::Key_Escape);
        stillOpenAfterEsc = form.isVisible();
        mainMinimized = main.isMinimized();
        form.ConfirmAndClose();
    });
    EXPECT_TRUE(form.RunModal());
    EXPECT_TRUE(stillOpenAfterEsc);
    EXPECT_FALSE(mainMinimized);

    escapeMinimizes = true;
    bool execStillRunning = false;
    QTimer::singleShot(0, &form, [&] {
        QTest::keyClick(&form, Qt::Key_Escape);
        mainMinimized = main.isMinimized();
        execStillRunning = form.isVisible();
        form.ConfirmAndClose();
    });
    EXPECT_TRUE(form.RunModal());
    EXPECT_TRUE(mainMinimized);
    EXPECT_TRUE(execStillRunning);
    ConnectPlatformToSettings();
}

TEST(ExceptionsInHandlers, AreShownAndTheProgramGoesOn) {
    PlannedAnswers answers;
    answers.Box(QStringLiteral("disk on fire"), MsgAnswer::Ok);
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked,
                     [] { throw std::runtime_error("disk on fire"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isVisible());
    ASSERT_EQ(answers.Shown().size(), 1);
    EXPECT_TRUE(answers.Shown().front().startsWith(QString::fromUtf8(ProgramTitle)));
}

TEST(InstanceLockTest, OneHolderAtATimeAndFreedOnRelease) {
    TempFolder runtime;
    QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.Path().string().c_str());
    {
        InstanceLock first;
        InstanceLock second;
        EXPECT_EQ(first.Acquire("UniqueName"), InstanceLock::Result::Acquired);
        EXPECT_EQ(second.Acquire("UniqueName"), InstanceLock::Result::HeldElsewhere);
        first.Release();
        EXPECT_EQ(second.Acquire("UniqueName"), InstanceLock::Result::Acquired);
    }
    qputenv("XDG_RUNTIME_DIR", previous);
}

TEST(Localisation, WindowsFontNamesMapToIpaFontsAndQtSpeaksJapanese) {
    InstallFontSubstitutions();
    EXPECT_EQ(QFontInfo(ProgramFont(GothicFontName, 12)).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(QFontInfo(QFont(PMinchoFontName)).family(), QStringLiteral("IPAPMincho"));
    ASSERT_TRUE(InstallJapaneseTranslations(*QCoreApplication::instance()));
    EXPECT_TRUE(
        QCoreApplication::translate("QPlatformTheme", "&Yes").contains(QStringLiteral("はい")));
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "Cancel")
                    .contains(QStringLiteral("キャンセル")));
}

} // namespace
