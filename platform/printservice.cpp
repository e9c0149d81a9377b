#include "printservice.h"

#include "platform/reportpreview.h"

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

bool CheckPrinter() {
    return true;
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

void PreviewReport(QWidget* owner, const ReportLayout& layout,
                   const std::filesystem::path& pdfFolder) {
    ReportPreview preview(layout, pdfFolder, owner);
    preview.exec();
}
