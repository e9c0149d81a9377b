// What the chart and print code offers the rest of the program.
#include "platform/report.h"
#include "windows/printing/printing.h"
#include "windows/printingmodule/chartwindows.h"
#include "windows/printingmodule/mapprint.h"
#include "windows/printingmodule/printservice.h"

#include <QPrinter>

namespace {

bool PrintReport(QWidget* owner, const ReportLayout& layout, const std::filesystem::path& pdfFolder,
                 std::shared_ptr<QPrinter>& printer) {
    if (!RealPrinterExists()) {
        return false;
    }
    if (!printer) {
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setPageOrientation(layout.orientation);
        PreparePrinter(*printer, layout.title, pdfFolder);
    }
    if (RunPrintDialog(owner, *printer)) {
        PrintReportPages(layout, *printer);
    }
    return true;
}

void ShowDayChart(QWidget* owner, DayChartKind kind, const DayChart& chart) {
    if (kind == DayChartKind::Sleep) {
        TFormGraph1(owner, chart).RunModal();
    } else if (kind == DayChartKind::Exercise) {
        TFormGraph2(owner, chart).RunModal();
    } else {
        TFormGraph3(owner, chart).RunModal();
    }
}

void ShowLifeChart(QWidget* owner, const LifeChart& chart) {
    TFormGraph4(owner, chart).RunModal();
}

constexpr PrintingEntries Entries{PrintReport, ShowDayChart, ShowLifeChart, PrintMapWindow};

} // namespace

extern "C" const PrintingEntries* TolmarPrintingEntries() {
    return &Entries;
}
