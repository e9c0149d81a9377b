#include "yearsummaryfiles.h"

#include "engine/periodsummary.h"
#include "engine/yearsummary.h"

void BuildYearTablesFromFiles(const std::filesystem::path& folder, int startYear, int startMonth) {
    // The twelve months read each year's file once, and afresh at every build.
    SummaryFiles files(folder);
    BuildYearTables(startYear, startMonth, ClearRectotalTables, [&files](int year, int month) {
        int days = 0;
        LoadSummaryPeriod(files, SummaryClosingDayMonth, year, month, days);
        SummarizePeriodDays();
    });
}
