#pragma once

#include <QString>
#include <filesystem>
#include <functional>

class QPrinter;
class QWidget;
struct ReportLayout;

// True when the print system knows at least one real printer.
bool RealPrinterExists();

// A printer for one job titled title: without a real printer it writes
// "<pdfFolder>/<title>.pdf" unless the user names another file.
void PreparePrinter(QPrinter& printer, const QString& title,
                    const std::filesystem::path& pdfFolder);

// Sets the page orientation of one print job's printer: landscape for 1,
// portrait for any other value.
void SetPrinterOrientation(QPrinter& printer, int landscape);

// The print dialog for one job; false when the user cancelled it. Tests
// answer it through the hook instead (they may point the printer at a file).
bool RunPrintDialog(QWidget* owner, QPrinter& printer);

using PrintDialogHook = std::function<bool(QPrinter& printer)>;
// An empty hook shows the real dialog again.
void SetPrintDialogHook(PrintDialogHook hook);

// The report's pages that the user chose in the print dialog, each from the
// corner of the paper.
void PrintReportPages(const ReportLayout& layout, QPrinter& printer);
