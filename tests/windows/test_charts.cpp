#include "tests/common/tempfolder.h"
#include "windows/charts/chartdata.h"
#include "windows/printingmodule/chartplot.h"
#include "windows/printingmodule/chartwindows.h"
#include "windows/printingmodule/printservice.h"

#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>
#include <qcustomplot.h>

namespace {

std::vector<std::string> Dates(int month, int from, int to) {
    std::vector<std::string> dates;
    for (int day = from; day <= to; ++day) {
        dates.push_back(std::to_string(month) + "/" + (day < 10 ? "0" : "") + std::to_string(day) +
                        " ");
    }
    return dates;
}

TEST(ChartData, DayValuesAreCappedAndLabelledByMonthChange) {
    // 2004/2/1 to 3/2: the label "2" stands for 2/2 and for 3/2.
    std::vector<std::string> dates = Dates(2, 1, 29);
    for (const std::string& date : Dates(3, 1, 2)) {
        dates.push_back(date);
    }
    std::vector<std::string> sleep(dates.size(), "7:30");
    sleep[0] = "11:30";
    sleep[1] = "";
    sleep[2] = "8:7x";
    DayChart chart =
        BuildDayChart(DayChartKind::Sleep, "2004", "2", dates, sleep, /*sleep1=*/6, 10000);
    EXPECT_EQ(chart.title, "睡眠時間        (2004年2月分)");
    EXPECT_EQ(chart.cap, 10);
    EXPECT_EQ(chart.reference, 6);
    ASSERT_EQ(chart.values.size(), 31u);
    EXPECT_EQ(chart.values[0], 10);
    EXPECT_EQ(chart.values[1], 0);
    EXPECT_EQ(chart.values[3], 7.5);
    std::vector<std::string> expected = {"2/1", "2", "3"};
    EXPECT_EQ(std::vector<std::string>(chart.labels.begin(), chart.labels.begin() + 3), expected);
    EXPECT_EQ(chart.labels[28], "29");
    EXPECT_EQ(chart.labels[29], "3/1");
    EXPECT_EQ(chart.labels[30], "2");

    DayChart work =
        BuildDayChart(DayChartKind::Work, "2004", "9", Dates(9, 1, 2), {"17:00", "9:15"}, 6, 10000);
    EXPECT_EQ(work.values, (std::vector<double>{16, 9.25}));
    EXPECT_EQ(work.reference, 8);

    DayChart steps = BuildDayChart(DayChartKind::Exercise, "2004", "9", Dates(9, 1, 3),
                                   {"25,000", "9,876", "abc"}, 6, 10000);
    EXPECT_EQ(steps.title, "運動（万歩計数）        (2004年9月分)");
    EXPECT_EQ(steps.values, (std::vector<double>{20000, 9876, 0}));
    EXPECT_EQ(steps.cap, 20000);

    // Without a step target the scale still has room.
    DayChart noTarget =
        BuildDayChart(DayChartKind::Exercise, "2004", "9", Dates(9, 1, 1), {"5,000"}, 6, 0);
    EXPECT_EQ(noTarget.cap, 1);
    EXPECT_LE(noTarget.values[0], 1);
}

TEST(ChartData, LifeChartSplitsTheDayAndNeverGoesNegative) {
    LifeChart chart = BuildLifeChart("2004", "1", "2004", "12", {"2004/01 ", "2004/02", "2004/03"},
                                     {"7:00", "15:00", ""}, {"9:30", "10:00", ""});
    EXPECT_EQ(chart.title, "月平均生活分布(2004年1月～2004年12月)");
    EXPECT_EQ(chart.labels[0], "2004/01");
    EXPECT_EQ(chart.work, (std::vector<double>{9.5, 10, 0}));
    EXPECT_EQ(chart.life, (std::vector<double>{7.5, 0, 24}));
    EXPECT_EQ(chart.sleep, (std::vector<double>{7, 15, 0}));
    EXPECT_EQ(HourAxisLabel(8), "8:00");
    EXPECT_EQ(CountAxisLabel(1234567), "1,234,567");
    EXPECT_EQ(CountAxisLabel(0), "0");
}

TEST(ChartWindows, BarsAndLineShowTheSameDaysOnTheirOwnAxesAndPrint) {
    std::vector<std::string> dates = Dates(9, 1, 30);
    std::vector<std::string> work(30, "8:45");
    DayChart chart = BuildDayChart(DayChartKind::Work, "2004", "9", dates, work, 6, 10000);
    TFormGraph3 form(nullptr, chart);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("勤務時間グラフ"));
    EXPECT_EQ(form.VisibleChart(), form.Chart1);
    EXPECT_EQ(form.Chart1->xAxis->range(), QCPRange(-1, 30));
    EXPECT_EQ(form.Chart1->yAxis->range(), QCPRange(0, 16));
    form.Graph2Click();
    EXPECT_EQ(form.VisibleChart(), form.Chart2);
    EXPECT_EQ(form.Chart2->xAxis->range(), QCPRange(0, 29));
    form.Graph1Click();
    auto* bars = qobject_cast<QCPBars*>(form.Chart1->plottable(0));
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(bars->data()->size(), 30);
    EXPECT_EQ(bars->data()->at(29)->value, 8.75);
    auto* ticker = dynamic_cast<QCPAxisTickerText*>(form.Chart1->xAxis->ticker().data());
    ASSERT_NE(ticker, nullptr);
    EXPECT_EQ(ticker->ticks().value(0).remove(QLatin1Char('\n')), QStringLiteral("9/1"));
    EXPECT_EQ(ticker->ticks().value(29), QStringLiteral("30"));

    // A month's first bar leaves "12/1" too little room: it wraps after the
    // "/" rather than running into the next day's "2"; a week has room.
    auto firstLabel = [](int month, int days) {
        std::vector<std::string> none(static_cast<std::size_t>(days), "");
        TFormGraph3 other(nullptr, BuildDayChart(DayChartKind::Work, "2004", std::to_string(month),
                                                 Dates(month, 1, days), none, 6, 10000));
        auto* labels = dynamic_cast<QCPAxisTickerText*>(other.Chart1->xAxis->ticker().data());
        return labels == nullptr ? QString()
                                 : labels->ticks().value(0) + "|" + labels->ticks().value(1);
    };
    EXPECT_EQ(firstLabel(12, 31), QStringLiteral("12/\n1|2"));
    EXPECT_EQ(firstLabel(12, 7), QStringLiteral("12/1|2"));
    // The reference line is aqua, the values red.
    EXPECT_EQ(form.Chart1->graph(0)->pen().color(), QColor(0, 255, 255));
    EXPECT_EQ(bars->brush().color(), QColor(255, 0, 0));

    // Printing goes through the print dialog onto a landscape page.
    TempFolder folder;
    const QString pdf = QString::fromStdString((folder / "chart.pdf").string());
    bool landscape = false;
    SetPrintDialogHook([&](QPrinter& printer) {
        landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    form.PrintItem->setEnabled(true);
    form.PrintItem->trigger();
    SetPrintDialogHook({});
    EXPECT_TRUE(landscape);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("勤務時間"))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("16:00"))) << printed.toStdString();
}

TEST(ChartWindows, LifeChartStacksThreePartsWithTheFirstMonthOnTop) {
    LifeChart chart = BuildLifeChart("2004", "1", "2004", "2", {"2004/01", "2004/02"},
                                     {"7:00", "6:00"}, {"9:00", "10:00"});
    TFormGraph4 form(nullptr, chart);
    QCustomPlot* plot = form.Chart1;
    ASSERT_EQ(plot->plottableCount(), 3);
    EXPECT_TRUE(plot->yAxis->rangeReversed());
    EXPECT_EQ(plot->xAxis->range(), QCPRange(0, 24));
    auto* life = qobject_cast<QCPBars*>(plot->plottable(1));
    ASSERT_NE(life, nullptr);
    EXPECT_EQ(life->name(), QStringLiteral("生活時間"));
    EXPECT_EQ(life->barBelow(), plot->plottable(0));
    EXPECT_EQ(life->data()->at(1)->value, 8);
    EXPECT_EQ(life->brush().color(), QColor(0, 255, 128));
}

TEST(ChartWindows, StepAxisLabelsAreDistinctWholeNumbers) {
    // The step axis ends at twice the target; a target of 0 leaves an axis
    // of 0 to 1.
    for (int walking1 : {0, 1, 3, 6, 7, 13, 10000}) {
        DayChart chart = BuildDayChart(DayChartKind::Exercise, "2004", "9", Dates(9, 1, 3),
                                       {"5,000", "", "1"}, 6, walking1);
        TFormGraph2 form(nullptr, chart);
        // The bars are drawn at the opening, the line on the switch.
        form.Graph2Click();
        for (QCustomPlot* plot : {form.Chart1, form.Chart2}) {
            plot->replot();
            const QVector<QString> labels = plot->yAxis->tickVectorLabels();
            ASSERT_GE(labels.size(), 2) << walking1;
            QStringList seen;
            for (const QString& label : labels) {
                QString digits = label;
                digits.remove(QLatin1Char(','));
                bool whole = false;
                digits.toLongLong(&whole);
                EXPECT_TRUE(whole) << walking1 << " " << label.toStdString();
                EXPECT_FALSE(seen.contains(label)) << walking1 << " " << label.toStdString();
                seen << label;
            }
            EXPECT_EQ(seen.front(), QStringLiteral("0")) << walking1;
            if (walking1 == 0) {
                EXPECT_EQ(seen, (QStringList{"0", "1"}));
            }
        }
    }
}

} // namespace
