#pragma once

// The years the program serves. Month navigation and the pickers stay inside
// FirstServedYear..LastServedYear; the year lists of the ledger and of the
// holiday-calendar editor reach LastListedYear.
inline constexpr int FirstServedYear = 2003;
inline constexpr int LastServedYear = 2012;
inline constexpr int LastListedYear = 2013;
