#pragma once

#include "platform/report.h"
#include "windows/reports/snapshots.h"

class QWidget;

// The seven printed reports. Each layout is a function of its snapshot
// alone; the preview functions show it in the print preview, which paints
// it again for every print.

struct TFrmpinp {
    static ReportLayout Layout(const InputSheetSnapshot& snapshot);
};
struct TFrmPrn1 {
    static ReportLayout Layout(const MonthSummarySnapshot& snapshot);
};
struct TFrmPrn2 {
    static ReportLayout Layout(const YearSummarySnapshot& snapshot);
};
struct TFrmPrn3 {
    static ReportLayout Layout(const YearSummarySnapshot& snapshot);
};
struct TFrmPrn4 {
    static ReportLayout Layout(const YearSummarySnapshot& snapshot);
};
struct TFrmpyuk {
    static ReportLayout Layout(const LedgerSnapshot& snapshot);
};
struct TFrmpstr {
    static ReportLayout Layout(const SelfCheckSnapshot& snapshot);
};

// The 12-month report of the snapshot's tab (0 TFrmPrn2, 1 TFrmPrn3,
// 2 TFrmPrn4).
ReportLayout YearSummaryReportLayout(const YearSummarySnapshot& snapshot);

// One call per opening window: hourglass while the report is built, then the
// preview until the user closes it.
void PreviewInputSheetReport(QWidget* owner, const InputSheetSnapshot& snapshot);
void PreviewMonthSummaryReport(QWidget* owner, const MonthSummarySnapshot& snapshot);
void PreviewYearSummaryReport(QWidget* owner, const YearSummarySnapshot& snapshot);
void PreviewLedgerReport(QWidget* owner, const LedgerSnapshot& snapshot);
void PreviewSelfCheckReport(QWidget* owner, const SelfCheckSnapshot& snapshot);
