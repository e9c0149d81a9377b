#pragma once

// The years the program serves. Month navigation, the pickers and the
// 12-month summary stay inside FirstServedYear..LastServedYear; the year
// lists of the ledger and of the holiday-calendar editor reach LastListedYear.
// The holiday law's equinox formula holds to 2099, which bounds the range.
inline constexpr int FirstServedYear = 2003;
inline constexpr int LastServedYear = 2099;
inline constexpr int LastListedYear = 2100;
