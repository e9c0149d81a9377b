#include "yearsummaryfiles.h"

#include "summaries/engine.h"
#include "summaries/yearsummary.h"

void BuildYearTablesFromFiles(const std::filesystem::path& folder, int startYear, int startMonth) {
    BuildYearTables(startYear, startMonth, ClearRectotalTables, [&folder](int year, int month) {
        int days = 0;
        LoadSummaryPeriod(folder, SummaryClosingDayMonth, year, month, days);
        SummarizePeriodDays();
    });
}
