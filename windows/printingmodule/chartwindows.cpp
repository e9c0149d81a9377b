#include "chartwindows.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/windowsteps.h"
#include "records/state.h"
#include "windows/printingmodule/chartplot.h"
#include "windows/printingmodule/printgraph.h"

#include <QAction>
#include <QMenuBar>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace {

QCustomPlot* MakePlot(QWidget* parent, const char* name) {
    auto* plot = new QCustomPlot(parent);
    plot->setObjectName(QString::fromLatin1(name));
    plot->setMinimumSize(620, 418);
    return plot;
}

QMenuBar* MakeMenuBar(QDialog* form) {
    auto* bar = new QMenuBar(form);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    return bar;
}

void PrepareWindow(QDialog* form, const char* name, const char* caption) {
    form->setObjectName(QString::fromLatin1(name));
    form->setWindowTitle(QString::fromUtf8(caption));
    form->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    form->setFont(ProgramFont(PGothicFontName, 12));
}

} // namespace

TDayGraphForm::TDayGraphForm(QWidget* owner, const char* name, const char* caption, DayChart chart,
                             const char* printName, const char* closeName)
    : TModalForm(owner), chart_(std::move(chart)) {
    PrepareWindow(this, name, caption);
    QMenuBar* bar = MakeMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    PrintItem = AddMenuItem(file, printName, "印刷(&P)");
    file->addSeparator();
    CloseItem = AddMenuItem(file, closeName, "閉じる(&X)");
    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    Graph1 = AddMenuItem(view, "Graph1", "棒グラフ");
    Graph2 = AddMenuItem(view, "Graph2", "折れ線グラフ");

    Chart1 = MakePlot(this, "Chart1");
    Chart2 = MakePlot(this, "Chart2");
    charts_ = new QStackedLayout;
    charts_->addWidget(Chart1);
    charts_->addWidget(Chart2);
    auto* column = new QVBoxLayout(this);
    column->setMenuBar(bar);
    column->setContentsMargins(10, 6, 10, 10);
    column->addLayout(charts_);
    resize(640, 480);

    PrintItem->setEnabled(PrinterReady);
    connect(PrintItem, &QAction::triggered, this, &TDayGraphForm::PrintClick);
    connect(CloseItem, &QAction::triggered, this, &TDayGraphForm::CancelAndClose);
    connect(Graph1, &QAction::triggered, this, &TDayGraphForm::Graph1Click);
    connect(Graph2, &QAction::triggered, this, &TDayGraphForm::Graph2Click);
    Graph1Click();
}

QCustomPlot* TDayGraphForm::VisibleChart() const {
    return charts_->currentWidget() == Chart1 ? Chart1 : Chart2;
}

void TDayGraphForm::showEvent(QShowEvent* event) {
    TModalForm::showEvent(event);
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
}

void TDayGraphForm::Graph1Click() {
    charts_->setCurrentWidget(Chart1);
    FillBarGraph(Chart1, chart_);
}

void TDayGraphForm::Graph2Click() {
    charts_->setCurrentWidget(Chart2);
    FillLineGraph(Chart2, chart_);
}

void TDayGraphForm::PrintClick() {
    PrintGraph(this, VisibleChart(), windowTitle());
}

TFormGraph1::TFormGraph1(QWidget* owner, DayChart chart)
    : TDayGraphForm(owner, "TFormGraph1", "睡眠時間グラフ", std::move(chart), "P2", "X2") {}

TFormGraph2::TFormGraph2(QWidget* owner, DayChart chart)
    : TDayGraphForm(owner, "TFormGraph2", "運動グラフ", std::move(chart), "P2", "X2") {}

TFormGraph3::TFormGraph3(QWidget* owner, DayChart chart)
    : TDayGraphForm(owner, "TFormGraph3", "勤務時間グラフ", std::move(chart), "P1", "X1") {}

TFormGraph4::TFormGraph4(QWidget* owner, LifeChart chart)
    : TModalForm(owner), chart_(std::move(chart)) {
    PrepareWindow(this, "TFormGraph4", "月平均生活分布グラフ");
    QMenuBar* bar = MakeMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    P1 = AddMenuItem(file, "P1", "印刷(&P)");
    file->addSeparator();
    X1 = AddMenuItem(file, "X1", "閉じる(&X)");
    Chart1 = MakePlot(this, "Chart1");
    auto* column = new QVBoxLayout(this);
    column->setMenuBar(bar);
    column->setContentsMargins(10, 6, 10, 10);
    column->addWidget(Chart1);
    resize(640, 480);

    P1->setEnabled(PrinterReady);
    connect(P1, &QAction::triggered, this, [this] { PrintGraph(this, Chart1, windowTitle()); });
    connect(X1, &QAction::triggered, this, &TFormGraph4::CancelAndClose);
    FillLifeGraph(Chart1, chart_);
}

void TFormGraph4::showEvent(QShowEvent* event) {
    TModalForm::showEvent(event);
    RemoveSizeCommand(this);
    CenterOnMainWindow(this);
}
