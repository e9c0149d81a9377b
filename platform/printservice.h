#pragma once

#include <QString>
#include <filesystem>
#include <functional>

class QPrinter;
class QWidget;
struct ReportLayout;

// Output is possible whenever a printer is installed and, on Linux, also
// without one: Qt then writes a PDF file. So the check always finds output
// possible and every print command stays enabled.
bool CheckPrinter();

// True when the print system knows at least one real printer.
bool RealPrinterExists();

// The preview window's object name, for tests that look for it.
inline const QString ReportPreviewName = QStringLiteral("ReportPreview");
// Its print command and its close command, found by these object names.
inline const QString ReportPrintActionName = QStringLiteral("ReportPrintAction");
inline const QString ReportCloseActionName = QStringLiteral("ReportCloseAction");

// Shows the report in a modal preview until the user closes it: its close
// command, the close box or Esc; printing leaves it open. The preview and
// every print from it paint the report afresh, with a printer of its own set
// to the report's orientation. Without a real printer the print command
// saves a PDF file instead, proposing "<pdfFolder>/<report title>.pdf"
// and asking before it replaces a file.
void PreviewReport(QWidget* owner, const ReportLayout& layout,
                   const std::filesystem::path& pdfFolder);

// A printer for one job titled title: without a real printer it writes
// "<pdfFolder>/<title>.pdf" unless the user names another file.
void PreparePrinter(QPrinter& printer, const QString& title,
                    const std::filesystem::path& pdfFolder);

// The print dialog for one job; false when the user cancelled it. Tests
// answer it through the hook instead (they may point the printer at a file).
bool RunPrintDialog(QWidget* owner, QPrinter& printer);

using PrintDialogHook = std::function<bool(QPrinter& printer)>;
// An empty hook shows the real dialog again.
void SetPrintDialogHook(PrintDialogHook hook);
