#pragma once
// The chart windows (TFormGraph1-3 day charts, TFormGraph4 life distribution).

#include "platform/modalform.h"
#include "windows/charts/chartdata.h"

class QAction;
class QCustomPlot;
class QStackedLayout;

// A day chart of the month summary: the same figures as bars (Chart1) or as
// a line (Chart2), printable on a landscape page.
class TDayGraphForm : public TModalForm {
    Q_OBJECT
public:
    TDayGraphForm(QWidget* owner, const char* name, const char* caption, DayChart chart,
                  const char* printName, const char* closeName);

    QCustomPlot *Chart1 = nullptr, *Chart2 = nullptr;
    QAction *PrintItem = nullptr, *CloseItem = nullptr, *Graph1 = nullptr, *Graph2 = nullptr;

    const DayChart& Chart() const { return chart_; }
    QCustomPlot* VisibleChart() const;

    void Graph1Click();
    void Graph2Click();
    void PrintClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DayChart chart_;
    QStackedLayout* charts_ = nullptr;
};

// "睡眠時間グラフ"
class TFormGraph1 : public TDayGraphForm {
    Q_OBJECT
public:
    TFormGraph1(QWidget* owner, DayChart chart);
};

// "運動グラフ"
class TFormGraph2 : public TDayGraphForm {
    Q_OBJECT
public:
    TFormGraph2(QWidget* owner, DayChart chart);
};

// "勤務時間グラフ"
class TFormGraph3 : public TDayGraphForm {
    Q_OBJECT
public:
    TFormGraph3(QWidget* owner, DayChart chart);
};

// "月平均生活分布グラフ": the 12-month summary's average day per month.
class TFormGraph4 : public TModalForm {
    Q_OBJECT
public:
    TFormGraph4(QWidget* owner, LifeChart chart);

    QCustomPlot* Chart1 = nullptr;
    QAction *P1 = nullptr, *X1 = nullptr;

    const LifeChart& Chart() const { return chart_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    LifeChart chart_;
};
