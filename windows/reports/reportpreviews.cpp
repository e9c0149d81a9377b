// Opening a report: the hourglass while it is built, then its preview.
#include "platform/printservice.h"
#include "platform/waitcursor.h"
#include "records/state.h"
#include "windows/reports/reports.h"

#include <optional>

namespace {

template <typename Build> void BuildAndPreview(QWidget* owner, Build build) {
    std::optional<ReportLayout> layout;
    {
        WaitCursor hourglass;
        layout = build();
    }
    PreviewReport(owner, *layout, ProgramFolder);
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
