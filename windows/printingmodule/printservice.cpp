#include "printservice.h"

#include "platform/report.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

PrintDialogHook& DialogHook() {
    static PrintDialogHook hook;
    return hook;
}

} // namespace

bool RealPrinterExists() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void PreparePrinter(QPrinter& printer, const QString& title,
                    const std::filesystem::path& pdfFolder) {
    printer.setDocName(title);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!RealPrinterExists()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(
            (pdfFolder / (title + QStringLiteral(".pdf")).toStdString()).string()));
    }
}

void SetPrinterOrientation(QPrinter& printer, int landscape) {
    printer.setPageOrientation(landscape == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool RunPrintDialog(QWidget* owner, QPrinter& printer) {
    if (DialogHook()) {
        return DialogHook()(printer);
    }
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogHook(PrintDialogHook hook) {
    DialogHook() = std::move(hook);
}

void PrintReportPages(const ReportLayout& layout, QPrinter& printer) {
    // The report places everything itself, from the corner of the paper.
    printer.setFullPage(true);
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        PaintReport(layout, printer, printer.fromPage(), printer.toPage());
    } else {
        PaintReport(layout, printer);
    }
}
