#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The CSV files the program exports: one row per line, fields joined by
// ",", the file in CP932 with every line ending in CR LF. Texts are UTF-8
// until they reach the file.

using CsvRow = std::vector<std::string>; // UTF-8 fields

// The fields joined by ",". A field holding ",", '"', CR or LF is put in
// double quotes with each inner quote doubled, so that it stays one field;
// every other field is written as it is.
std::string CsvLine(const CsvRow& fields);

// The whole file: every line, the last one too, ends in CR LF. Nothing when
// a text holds a character that CP932 cannot hold, so no file is written
// with characters silently dropped.
std::optional<std::string> CsvFileBytes(const std::vector<CsvRow>& rows);

// Writes the file through a temporary file renamed over the old one. False
// when a text cannot be written in CP932 or the file cannot be written; an
// existing file then stays as it was.
bool WriteCsvFile(const std::filesystem::path& path, const std::vector<CsvRow>& rows);
