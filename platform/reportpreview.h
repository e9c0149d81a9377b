#pragma once

#include "platform/report.h"

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>

class QAction;
class QLabel;
class QToolBar;
class ReportPageView;

// Output is possible whenever a printer is installed and, on Linux, also
// without one: Qt then writes a PDF file. So the check always finds output
// possible and every print command stays enabled.
inline bool CheckPrinter() {
    return true;
}

// The preview window's object name, for tests that look for it.
inline const QString ReportPreviewName = QStringLiteral("ReportPreview");
// Its print command and its close command, found by these object names.
inline const QString ReportPrintActionName = QStringLiteral("ReportPrintAction");
inline const QString ReportCloseActionName = QStringLiteral("ReportCloseAction");

// Prints the report on a real printer from the preview over it; false when
// there is none, and the preview saves a PDF file instead.
using ReportPrinting = std::function<bool(QWidget* preview)>;

// The preview of one report: its pages on screen, page and zoom commands,
// and a print command that paints the report afresh for each print and
// leaves the preview open. Esc closes it, as its close command does.
// Without a real printer the print command saves a PDF file, proposing
// "<pdfFolder>/<report title>.pdf" and asking before it replaces a file.
class ReportPreview : public QDialog {
public:
    // The layout must outlive the preview.
    ReportPreview(const ReportLayout& layout, std::filesystem::path pdfFolder,
                  ReportPrinting printing, QWidget* owner);

    ReportPageView* Pages() const { return pages_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* AddCommand(const QString& text, const QString& name, const QKeySequence& key);
    void ShowPageNumber(int index);
    void Print();
    void SaveAsPdf();

    const ReportLayout& layout_;
    const std::filesystem::path pdfFolder_;
    const ReportPrinting printing_;
    ReportPageView* pages_ = nullptr;
    QToolBar* tools_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QLabel* zoom_ = nullptr;
};
