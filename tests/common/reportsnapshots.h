#pragma once

// The longest reports' contents, for tests and benchmarks: the ledger at its
// full 100 records (three pages) and a 31-day month summary.
#include "windows/reports/reports.h"

inline LedgerSnapshot FullLedger() {
    LedgerSnapshot ledger{2004,
                          4,
                          QStringLiteral("5.0"),
                          QStringLiteral("20日を超える"),
                          QStringLiteral("20.0"),
                          QStringLiteral("0.0"),
                          {}};
    for (int i = 1; i <= 100; ++i) {
        ledger.entries.push_back({QStringLiteral("%1 ").arg(i), QStringLiteral("2004/05/06"),
                                  QStringLiteral("木"), QStringLiteral("年休"),
                                  QStringLiteral("1.0"), QStringLiteral("24.0"),
                                  QStringLiteral("通院のため休暇")});
    }
    return ledger;
}

inline MonthSummarySnapshot FullMonth() {
    MonthSummarySnapshot month{QStringLiteral("2004"), QStringLiteral("8"), {}, {}};
    month.summary.assign(6, QStringList(9, QStringLiteral("123:45")));
    for (int d = 1; d <= 31; ++d) {
        month.days.push_back({QStringLiteral("8/%1 ").arg(d, 2, 10, QLatin1Char('0')),
                              QStringLiteral("月"), QStringLiteral("休日"), QStringLiteral("7:00"),
                              QStringLiteral("9:30"), QStringLiteral("1:30"),
                              QStringLiteral("0:30"), QStringLiteral("12,000"),
                              QStringLiteral("65.3"), QStringLiteral("通常勤務の日")});
    }
    return month;
}
