#pragma once

class QCustomPlot;
class QPrinter;
class QString;
class QWidget;

// Prints a chart on a landscape page of its own, after the print dialog;
// nothing is printed when the dialog is cancelled.
void PrintGraph(QWidget* owner, QCustomPlot* chart, const QString& title);

// The chart on the printer's page inside a margin.
void PrintChartPage(QCustomPlot* chart, QPrinter& printer);
