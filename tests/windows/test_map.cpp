#include "records/settings.h"
#include "records/state.h"
#include "tests/common/yearbytes.h"
#include "tests/windows/plannedanswers.h"
#include "windows/main/mainwindow.h"
#include "windows/map/mapspanpicker.h"
#include "windows/map/mapwindow.h"
#include "windows/printingmodule/printservice.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/windows/fixedday.h"

namespace {

using MapWindowTest = FixedDayTest;

TForm11* OpenPeriodDialog() {
    return qobject_cast<TForm11*>(QApplication::activeModalWidget());
}

TEST_F(MapWindowTest, FirstChoiceIsForcedABackwardSpanIsRefusedAndTheStepsAreShown) {
    // 2004: 10,000 steps on each day of January.
    WriteBytes(folder / "2004.dat",
               YearFileBytes2004("[DayData]", [](int d, const std::string& date) {
                   return date + ",\x8c\x8e,,,,,," + (d <= 31 ? "10000" : "0") + ",0,";
               }));
    InitDateGlobals();
    bool cancelShown = true;
    QTimer::singleShot(0, [&] {
        TForm11* dialog = OpenPeriodDialog();
        ASSERT_NE(dialog, nullptr);
        cancelShown = dialog->Button2->isVisible();
        // Today (2004/9) is preselected as the end.
        EXPECT_EQ(dialog->ComboBox3->currentText(), QStringLiteral("2004年"));
        EXPECT_EQ(dialog->ComboBox4->currentText(), QStringLiteral(" 9月"));
        EXPECT_EQ(dialog->ComboBox3->itemText(dialog->ComboBox3->count() - 1),
                  QStringLiteral("2099年"));
        dialog->ComboBox1->setCurrentIndex(2); // 2005
        {
            PlannedAnswers answers;
            answers.Box(QStringLiteral("集計する期間が正しくありません。"), MsgAnswer::Ok);
            dialog->Button1->click();
        }
        EXPECT_TRUE(dialog->isVisible());
        dialog->ComboBox1->setCurrentIndex(1); // 2004/1 .. 2004/9
        dialog->Button1->click();
    });
    TForm10 map(nullptr);
    QTimer::singleShot(50, &map, [&map] {
        EXPECT_EQ(map.Label4->text(), QStringLiteral("2004年"));
        EXPECT_EQ(map.Label3->text(),
                  QStringLiteral("長崎から 217.0km(310000歩)歩いてます\n城野まで後0.2kmです"));
        EXPECT_EQ(map.Label1->text(), QStringLiteral("小倉"));
        QSize fitted = map.Image1->size();
        map.Button1->click();
        EXPECT_EQ(map.Image1->width(), static_cast<int>(fitted.width() * 1.2));
        for (int i = 0; i < 40; ++i) {
            map.Button1->click();
        }
        EXPECT_LE(map.Image1->width(), fitted.width() * 8);
        for (int i = 0; i < 80; ++i) {
            map.Button2->click();
        }
        EXPECT_GE(map.Image1->width(), 32);
        map.Button3->click();
        EXPECT_EQ(map.Image1->size(), fitted);
        // The marker is red on the drawn picture.
        MapPoint at = map.Progress().marker;
        EXPECT_EQ(map.Picture().pixelColor(static_cast<int>(at.x), static_cast<int>(at.y)),
                  QColor(Qt::red));
        map.BitBtn1->click();
    });
    map.RunModal();
    EXPECT_FALSE(cancelShown);
    EXPECT_EQ(TotalSteps, 310000);
    EXPECT_EQ(ProgressShown, 1);
}

TEST_F(MapWindowTest, ALongDistanceLineWrapsWithinThePanel) {
    // The forced first choice is closed by its close box.
    QTimer::singleShot(0, [] { OpenPeriodDialog()->close(); });
    TForm10 map(nullptr);
    map.show();
    TotalSteps = 10442452175;
    map.ShowWalkingProgress();
    QApplication::processEvents();
    QString text = map.Label3->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("長崎から 7309716.5km(10442452175歩)歩いてます\n")));
    QRect needed = map.Label3->fontMetrics().boundingRect(
        QRect(0, 0, map.Label3->contentsRect().width(), 1000), Qt::TextWordWrap, text);
    EXPECT_LE(needed.width(), map.Label3->contentsRect().width());
    EXPECT_LE(needed.height(), map.Label3->contentsRect().height());
}

TEST_F(MapWindowTest, MapCommandIsOfferedOnlyForPedometerSteps) {
    for (int movement : {0, 1, 2}) {
        Settings.Movement = movement;
        TForm1 form;
        form.show();
        EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("W1"))->isEnabled(), movement == 0)
            << movement;
    }
}

// The mean difference of two pictures of one size, 0..255 per channel.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// The smallest rectangle holding every pixel of the page that is not white.
QRect PrintedArea(const QImage& page) {
    QRect area;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 250) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

TEST_F(MapWindowTest, PrintoutIsTheWindowBelowItsMenuBar) {
    PrinterReady = true;
    QTimer::singleShot(0, [] { OpenPeriodDialog()->Button1->click(); });
    TForm10 map(nullptr);
    QImage client;
    QImage whole;
    const std::filesystem::path pdf = folder / "map.pdf";
    QTimer::singleShot(50, &map, [&] {
        const int barHeight = map.findChild<QMenuBar*>()->height();
        ASSERT_GT(barHeight, 0);
        whole = map.grab().toImage();
        client = map.grab(QRect(0, barHeight, map.width(), map.height() - barHeight)).toImage();
        SetPrintDialogHook([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return true;
        });
        map.P1->trigger();
        SetPrintDialogHook({});
        map.BitBtn1->click();
    });
    map.RunModal();
    ASSERT_FALSE(client.isNull());

    // At 96 dots an inch the page shows the picture pixel for pixel.
    const std::filesystem::path png = folder / "page";
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), QString::fromStdString(pdf.string()),
                       QString::fromStdString(png.string())});
    const QImage page(QString::fromStdString(png.string() + ".png"));
    ASSERT_FALSE(page.isNull());
    const QRect area = PrintedArea(page);
    EXPECT_NEAR(area.width(), client.width(), 1);
    EXPECT_NEAR(area.height(), client.height(), 1);
    const QImage printed = page.copy(area).scaled(client.size()).convertToFormat(client.format());
    const double toClient = MeanDifference(printed, client);
    const double toWindowTop = MeanDifference(printed, whole.copy(client.rect()));
    EXPECT_LT(toClient, 4.0);
    EXPECT_GT(toWindowTop, toClient + 4.0);
}

} // namespace
