#include "printgraph.h"

#include "platform/windowsteps.h"
#include "records/state.h"
#include "windows/printingmodule/chartplot.h"
#include "windows/printingmodule/printservice.h"

#include <QPrinter>
#include <qcustomplot.h>

void PrintChartPage(QCustomPlot* chart, QPrinter& printer) {
    // A margin of 200 pixels of a 600-dpi printer, whatever the resolution.
    const int margin = printer.resolution() / 3;
    QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    QRect target = page.adjusted(margin, margin, -margin, -margin);
    // The painter works in the printable area's coordinates.
    target.translate(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    PaintPlot(chart, &printer, target);
}

void PrintGraph(QWidget* owner, QCustomPlot* chart, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    SetPrinterOrientation(printer, 1);
    PreparePrinter(printer, title, ProgramFolder);
    if (RunPrintDialog(owner, printer)) {
        PrintChartPage(chart, printer);
    }
}
