#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and crash-safe writing shared by every file the program
// keeps: a write goes to a temporary file in the same folder, is flushed to
// disk and then renamed over the old file, so the old file stays intact until
// the new one is complete.

enum class ReadStatus { Ok, Missing, Unreadable };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

ReadResult ReadWholeFile(const std::filesystem::path& path);

// True when the file now holds exactly these bytes; false leaves any previous
// file untouched and no temporary file behind.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The file name as the user sees it in messages, in UTF-8.
std::string DisplayPath(const std::filesystem::path& path);
