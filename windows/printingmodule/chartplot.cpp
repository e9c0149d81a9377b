#include "chartplot.h"

#include "platform/fonts.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <qcustomplot.h>

namespace {

const QColor Red(255, 0, 0);
const QColor Aqua(0, 255, 255);
const QColor Green(0, 128, 0);
const QColor LifeGreen(0, 255, 128);

// Value axis labels as whole hours ("8:00") every two hours.
class HourTicker : public QCPAxisTickerFixed {
public:
    HourTicker() {
        setTickStep(2);
        setScaleStrategy(QCPAxisTickerFixed::ssNone);
    }

protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override {
        return QString::fromStdString(HourAxisLabel(tick));
    }
};

// Value axis labels as counts ("10,000"), every one a whole number of its
// own: a short axis (a target of 0 steps leaves 0 to 1) would otherwise get
// steps of 0.2 that all read "0" or "1".
class CountTicker : public QCPAxisTicker {
protected:
    double getTickStep(const QCPRange& range) override {
        // A readable step below 10 is 1, 2, 2.5 or 5; 2.5 would print
        // "3", "5", "8".
        const double step = QCPAxisTicker::getTickStep(range);
        return step < 1 ? 1 : std::floor(step);
    }
    QString getTickLabel(double tick, const QLocale&, QChar, int) override {
        return QString::fromStdString(CountAxisLabel(tick));
    }
};

// Labels that may repeat ("1" of two months) and are never thinned out.
QSharedPointer<QCPAxisTickerText> LabelTicker(const std::vector<QString>& labels) {
    QSharedPointer<QCPAxisTickerText> ticker(new QCPAxisTickerText);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        ticker->addTick(static_cast<double>(i), labels[i]);
    }
    return ticker;
}

std::vector<QString> Texts(const std::vector<std::string>& texts) {
    std::vector<QString> converted;
    for (const std::string& text : texts) {
        converted.push_back(QString::fromStdString(text));
    }
    return converted;
}

// The bars of a long month leave each day less room than a label with its
// month ("12/1") needs; unwrapped it would run into the next day's label and
// read as "12/12". Such a label goes onto two lines after its "/".
std::vector<QString> BarLabels(const QCustomPlot* plot, const DayChart& chart, double days) {
    const QFontMetrics metrics(ProgramFont(PGothicFontName, 10));
    // The value axis and its labels take about 80 pixels of the plot.
    const double room = (std::max(plot->width(), plot->minimumWidth()) - 80) / days;
    std::vector<QString> labels = Texts(chart.labels);
    for (QString& label : labels) {
        int slash = label.indexOf(QLatin1Char('/'));
        if (slash >= 0 &&
            metrics.horizontalAdvance(label) + metrics.horizontalAdvance(QLatin1Char('0')) > room) {
            label.insert(slash + 1, QLatin1Char('\n'));
        }
    }
    return labels;
}

void ResetPlot(QCustomPlot* plot, const std::string& title) {
    plot->clearPlottables();
    plot->clearItems();
    if (plot->plotLayout()->rowCount() > 1) {
        plot->plotLayout()->removeAt(0);
        plot->plotLayout()->simplify();
    }
    plot->plotLayout()->insertRow(0);
    auto* heading =
        new QCPTextElement(plot, QString::fromStdString(title), ProgramFont(PMinchoFontName, 16));
    heading->setObjectName(QStringLiteral("title"));
    plot->plotLayout()->addElement(0, 0, heading);
    plot->legend->setVisible(false);
    plot->setInteractions(QCP::Interactions());
}

void SetDayAxes(QCustomPlot* plot, const DayChart& chart, double first, double last,
                const std::vector<QString>& labels) {
    plot->xAxis->setTicker(LabelTicker(labels));
    plot->xAxis->setRange(first, last);
    plot->xAxis->setLabel(QStringLiteral("日"));
    plot->xAxis->grid()->setVisible(false);
    plot->xAxis->setTickLabelFont(ProgramFont(PGothicFontName, 10));
    plot->yAxis->setTicker(chart.hours ? QSharedPointer<QCPAxisTicker>(new HourTicker)
                                       : QSharedPointer<QCPAxisTicker>(new CountTicker));
    plot->yAxis->setRange(0, chart.cap);
    plot->yAxis->setLabel(QString::fromStdString(chart.valueAxisTitle));
}

QCPGraph* ReferenceLine(QCustomPlot* plot, const DayChart& chart) {
    QCPGraph* line = plot->addGraph();
    line->setName(QStringLiteral("reference"));
    line->setPen(QPen(Aqua, 2));
    for (std::size_t i = 0; i < chart.values.size(); ++i) {
        line->addData(static_cast<double>(i), chart.reference);
    }
    return line;
}

} // namespace

void FillBarGraph(QCustomPlot* plot, const DayChart& chart) {
    ResetPlot(plot, chart.title);
    const double days = static_cast<double>(chart.values.size());
    SetDayAxes(plot, chart, -1, days, BarLabels(plot, chart, days + 1));
    auto* bars = new QCPBars(plot->xAxis, plot->yAxis);
    bars->setName(QStringLiteral("values"));
    bars->setPen(QPen(Red.darker(130)));
    bars->setBrush(Red);
    bars->setWidth(0.7);
    for (std::size_t i = 0; i < chart.values.size(); ++i) {
        bars->addData(static_cast<double>(i), chart.values[i]);
    }
    ReferenceLine(plot, chart);
    plot->replot();
}

void FillLineGraph(QCustomPlot* plot, const DayChart& chart) {
    ResetPlot(plot, chart.title);
    SetDayAxes(plot, chart, 0, static_cast<double>(chart.values.size()) - 1, Texts(chart.labels));
    QCPGraph* line = plot->addGraph();
    line->setName(QStringLiteral("values"));
    line->setPen(QPen(Red, 2));
    line->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, Green, Red, 5));
    for (std::size_t i = 0; i < chart.values.size(); ++i) {
        line->addData(static_cast<double>(i), chart.values[i]);
    }
    ReferenceLine(plot, chart);
    plot->replot();
}

void FillLifeGraph(QCustomPlot* plot, const LifeChart& chart) {
    ResetPlot(plot, chart.title);
    // Horizontal bars: the months stand on the left axis, the hours below.
    QCPAxis* months = plot->yAxis;
    QCPAxis* hours = plot->xAxis;
    months->setTicker(LabelTicker(Texts(chart.labels)));
    months->setRange(-0.5, static_cast<double>(chart.labels.size()) - 0.5);
    months->setRangeReversed(true);
    months->setLabel(QStringLiteral("月"));
    months->grid()->setVisible(false);
    hours->setRange(0, 24);
    hours->setLabel(QStringLiteral("時間"));
    QSharedPointer<QCPAxisTickerFixed> step(new QCPAxisTickerFixed);
    step->setTickStep(2);
    hours->setTicker(step);

    struct Part {
        const char* name;
        QColor colour;
        const std::vector<double>* values;
    };
    const Part parts[] = {{"勤務時間", Red, &chart.work},
                          {"生活時間", LifeGreen, &chart.life},
                          {"睡眠時間", Aqua, &chart.sleep}};
    QCPBars* below = nullptr;
    for (const Part& part : parts) {
        auto* bars = new QCPBars(months, hours);
        bars->setName(QString::fromUtf8(part.name));
        bars->setPen(QPen(part.colour.darker(130)));
        bars->setBrush(part.colour);
        bars->setWidth(0.6);
        for (std::size_t i = 0; i < part.values->size(); ++i) {
            bars->addData(static_cast<double>(i), (*part.values)[i]);
        }
        if (below != nullptr) {
            bars->moveAbove(below);
        }
        below = bars;
    }
    plot->legend->setVisible(true);
    plot->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    plot->legend->setIconSize(30, 12);
    // The legend stands above the chart, under the title.
    plot->plotLayout()->insertRow(1);
    plot->plotLayout()->addElement(1, 0, plot->legend);
    plot->plotLayout()->setRowStretchFactor(1, 0.001);
    // The legend's frame is drawn on the edge of its cell; a pixel to spare
    // on the right keeps its right side inside the plot.
    plot->plotLayout()->setMargins(QMargins(0, 0, 1, 0));
    plot->replot();
}

void PaintPlot(QCustomPlot* plot, QPaintDevice* device, const QRect& target) {
    // The plot is laid out at its window size and scaled onto the page, so
    // the page shows what the window shows.
    const int width = std::max(plot->width(), 620);
    const int height = std::max(plot->height(), 418);
    QCPPainter painter(device);
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.translate(target.topLeft());
    painter.scale(static_cast<double>(target.width()) / width,
                  static_cast<double>(target.height()) / height);
    plot->toPainter(&painter, width, height);
}
