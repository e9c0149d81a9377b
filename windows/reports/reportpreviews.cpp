// Opening a report: the hourglass while it is built, then its preview.
#include "platform/reportpreview.h"
#include "platform/waitcursor.h"
#include "records/state.h"
#include "windows/printing/printing.h"
#include "windows/reports/reports.h"

#include <memory>
#include <optional>

namespace {

template <typename Build> void BuildAndPreview(QWidget* owner, Build build) {
    std::optional<ReportLayout> layout;
    {
        WaitCursor hourglass;
        layout = build();
    }
    // Printing from the preview loads the print code; the preview itself
    // needs none of it.
    std::shared_ptr<QPrinter> printer;
    ReportPrinting printing = [&](QWidget* preview) {
        const PrintingEntries* entries = Printing(preview);
        return entries == nullptr || entries->printReport(preview, *layout, ProgramFolder, printer);
    };
    ReportPreview preview(*layout, ProgramFolder, std::move(printing), owner);
    preview.exec();
}

} // namespace

void PreviewInputSheetReport(QWidget* owner, const InputSheetSnapshot& snapshot) {
    BuildAndPreview(owner, [&] { return TFrmpinp::Layout(snapshot); });
}

void PreviewMonthSummaryReport(QWidget* owner, const MonthSummarySnapshot& snapshot) {
    BuildAndPreview(owner, [&] { return TFrmPrn1::Layout(snapshot); });
}

void PreviewYearSummaryReport(QWidget* owner, const YearSummarySnapshot& snapshot) {
    BuildAndPreview(owner, [&] { return YearSummaryReportLayout(snapshot); });
}

void PreviewLedgerReport(QWidget* owner, const LedgerSnapshot& snapshot) {
    BuildAndPreview(owner, [&] { return TFrmpyuk::Layout(snapshot); });
}

void PreviewSelfCheckReport(QWidget* owner, const SelfCheckSnapshot& snapshot) {
    BuildAndPreview(owner, [&] { return TFrmpstr::Layout(snapshot); });
}
