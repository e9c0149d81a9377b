#pragma once

#include "platform/report.h"

#include <QDialog>
#include <filesystem>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QToolBar;
class ReportPageView;

// The preview of one report: its pages on screen, page and zoom commands,
// and a print command that paints the report afresh for each print and
// leaves the preview open. Esc closes it, as its close command does. The
// printer is made only when the user first prints, so the preview opens
// without waiting for the print system.
class ReportPreview : public QDialog {
public:
    // The layout must outlive the preview.
    ReportPreview(const ReportLayout& layout, std::filesystem::path pdfFolder, QWidget* owner);
    ~ReportPreview() override;

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
    ReportPageView* pages_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QLabel* zoom_ = nullptr;
    QToolBar* tools_ = nullptr;
    // Kept between prints, so the print dialog remembers the user's choices.
    std::unique_ptr<QPrinter> printer_;
};
