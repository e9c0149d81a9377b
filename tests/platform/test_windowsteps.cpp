#include "platform/mainwindowref.h"
#include "platform/modalform.h"
#include "platform/windowsteps.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/printingmodule/printservice.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMargins>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A secondary window that centres itself in its show handler, as the
// program's forms do; by then the window exists and its frame is known.
class CentredOnShow : public QDialog {
public:
    CentredOnShow(QWidget* owner, QSize frameSize, QMargins frame) : QDialog(owner) {
        setObjectName(QStringLiteral("centredDialog"));
        resize(frameSize.shrunkBy(frame));
    }

protected:
    void showEvent(QShowEvent* event) override {
        CenterOnMainWindow(this);
        QDialog::showEvent(event);
    }
};

class WindowStepsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        main_.setObjectName(QStringLiteral("mainWindow"));
        main_.show();
        PlaceMain(QPoint(100, 50));
        SetMainWindowHandle(&main_);
    }
    void TearDown() override {
        SetMainWindowHandle(nullptr);
        ResetProgramState();
    }

    // The width of the window frame on each side, as the platform draws it.
    QMargins Frame() const {
        const QRect frame = main_.frameGeometry();
        const QRect inner = main_.geometry();
        return {inner.left() - frame.left(), inner.top() - frame.top(),
                frame.right() - inner.right(), frame.bottom() - inner.bottom()};
    }

    // Puts the main window's outer frame at the point, 640 by 480 in all.
    void PlaceMain(QPoint topLeft) {
        main_.resize(QSize(640, 480).shrunkBy(Frame()));
        main_.move(topLeft);
    }

    static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QMainWindow main_;
};

TEST_F(WindowStepsTest, DialogsLandCentredWithHalvesTruncatedTowardZero) {
    ASSERT_EQ(main_.frameGeometry(), QRect(100, 50, 640, 480));
    struct Case {
        QSize size;
        QPoint expected;
    };
    const Case cases[] = {
        {{400, 300}, {220, 140}},
        {{700, 500}, {70, 40}},
        {{401, 301}, {219, 139}}, // 239 / 2 and 179 / 2 drop their halves
        {{701, 501}, {70, 40}},   // -61 / 2 is -30 and -21 / 2 is -10, not -31 and -11
    };
    for (const Case& c : cases) {
        CentredOnShow dialog(&main_, c.size, Frame());
        dialog.show();
        EXPECT_EQ(dialog.frameGeometry(), QRect(c.expected, c.size))
            << c.size.width() << "x" << c.size.height();
    }
}

// Centred before it is shown, a window is measured at the size its layout
// will give it, not at a default size; only its frame is not known yet.
TEST_F(WindowStepsTest, ADialogSizedByItsLayoutIsCentredAtTheSizeItOpensWith) {
    QDialog dialog(&main_);
    dialog.setObjectName(QStringLiteral("layoutDialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* content = new QWidget(&dialog);
    content->setObjectName(QStringLiteral("content"));
    content->setFixedSize(300, 200);
    layout->addWidget(content);

    CenterOnMainWindow(&dialog);
    dialog.show();
    const QPoint offCentre = dialog.frameGeometry().center() - main_.frameGeometry().center();
    const QMargins frame = Frame();
    EXPECT_LE(offCentre.manhattanLength(), 2 * (frame.left() + frame.top()) + 2)
        << offCentre.x() << "," << offCentre.y();
}

TEST_F(WindowStepsTest, ACentredDialogIsKeptOnTheScreen) {
    const QRect screen = Available();
    PlaceMain(QPoint(screen.right() - 200, screen.bottom() - 100));
    CentredOnShow dialog(&main_, QSize(400, 300), Frame());
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry(),
              QRect(screen.right() + 1 - 400, screen.bottom() + 1 - 300, 400, 300));

    PlaceMain(QPoint(screen.left() - 300, screen.top() - 200));
    CentredOnShow tooLarge(&main_, screen.size() + QSize(100, 60), Frame());
    tooLarge.show();
    // A window larger than the screen keeps its title bar on it.
    EXPECT_EQ(tooLarge.frameGeometry().topLeft(), screen.topLeft());
}

TEST_F(WindowStepsTest, WithoutAMainWindowNothingMoves) {
    SetMainWindowHandle(nullptr);
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("ownerlessDialog"));
    dialog.setGeometry(10, 20, 400, 300);
    CenterOnMainWindow(&dialog);
    EXPECT_EQ(dialog.geometry(), QRect(10, 20, 400, 300));
}

TEST_F(WindowStepsTest, RemoveSizeCommandFixesTheSizeAndDropsTheGrip) {
    QDialog dialog(&main_);
    dialog.setObjectName(QStringLiteral("fixedDialog"));
    dialog.resize(400, 300);
    dialog.setSizeGripEnabled(true);
    RemoveSizeCommand(&dialog);
    dialog.show();
    EXPECT_FALSE(dialog.isSizeGripEnabled());
    EXPECT_EQ(dialog.minimumSize(), QSize(400, 300));
    EXPECT_EQ(dialog.maximumSize(), QSize(400, 300));
    dialog.resize(600, 500);
    EXPECT_EQ(dialog.size(), QSize(400, 300));
}

// The leaving-time dialog asks for a time while the program closes; Esc
// there must not hide the program half-way through its close.
class LeavingTimeKindForm : public TModalForm {
public:
    explicit LeavingTimeKindForm(QWidget* owner) : TModalForm(owner) {
        setObjectName(QStringLiteral("leavingTimeForm"));
        SetEscapeMinimizes(false);
    }
};

TEST_F(WindowStepsTest, EscInTheLeavingTimeDialogNeverMinimises) {
    Settings.Escflg = 1;
    LeavingTimeKindForm form(&main_);
    bool stillOpen = false;
    bool anythingMinimized = true;
    QTimer::singleShot(0, &form, [&] {
        QTest::keyClick(&form, Qt::Key_Escape);
        stillOpen = form.isVisible() && !form.isMinimized();
        anythingMinimized = main_.isMinimized() || form.isMinimized();
        form.ConfirmAndClose();
    });
    EXPECT_TRUE(form.RunModal());
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(anythingMinimized);
}

TEST(SetPrinterOrientation, LandscapeOnlyForOneAndEachJobKeepsItsOwn) {
    struct Case {
        int landscape;
        QPageLayout::Orientation from;
        QPageLayout::Orientation expected;
    };
    const Case cases[] = {
        {1, QPageLayout::Portrait, QPageLayout::Landscape},
        {0, QPageLayout::Landscape, QPageLayout::Portrait},
        {2, QPageLayout::Landscape, QPageLayout::Portrait},
        {-1, QPageLayout::Landscape, QPageLayout::Portrait},
    };
    for (const Case& c : cases) {
        QPrinter job;
        job.setOutputFormat(QPrinter::PdfFormat);
        job.setPageOrientation(c.from);
        QPrinter otherJob;
        otherJob.setOutputFormat(QPrinter::PdfFormat);
        otherJob.setPageOrientation(c.from);
        SetPrinterOrientation(job, c.landscape);
        EXPECT_EQ(job.pageLayout().orientation(), c.expected) << c.landscape;
        EXPECT_EQ(otherJob.pageLayout().orientation(), c.from) << c.landscape;
    }
}

} // namespace
