#pragma once

#include "windows/charts/chartdata.h"

class QCustomPlot;
class QPaintDevice;
class QRect;

// Draws a chart's figures into a plot widget. The plot keeps nothing else:
// each fill starts from an empty plot.

// One bar per day; the day axis runs from -1 to the number of days.
void FillBarGraph(QCustomPlot* plot, const DayChart& chart);

// One line through the days; the day axis runs from 0 to the last day.
void FillLineGraph(QCustomPlot* plot, const DayChart& chart);

// One stacked horizontal bar per month, the first month at the top.
void FillLifeGraph(QCustomPlot* plot, const LifeChart& chart);

// The plot scaled into the target rectangle of a device (a printer page).
void PaintPlot(QCustomPlot* plot, QPaintDevice* device, const QRect& target);
