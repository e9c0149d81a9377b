#pragma once

#include <filesystem>

// The three month tables of the twelve closing-day months from (startYear,
// startMonth), computed by the period-summary engine from the day files in
// `folder`.
void BuildYearTablesFromFiles(const std::filesystem::path& folder, int startYear, int startMonth);
