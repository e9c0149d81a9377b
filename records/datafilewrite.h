#pragma once

#include <filesystem>
#include <string_view>

// Outcome of writing a data file. A failed write leaves the old file as it
// was; the caller shows the message, the core never does.
struct DataFileWrite {
    bool written = false;  // the file now holds the new contents
    bool backedUp = false; // an unrecognised old file was first renamed to <name>.bak
    std::filesystem::path path;

    explicit operator bool() const { return written; }
};

// Replaces the file with bytes through a temporary file and a rename. When
// an existing file is not recognised by recognised(bytes) (no header line,
// hand-edited, re-encoded or unreadable), it is first renamed to <name>.bak,
// so that nothing the program could not read is overwritten; when the rename
// or the write after it fails, the old file stays where it was.
DataFileWrite ReplaceDataFile(const std::filesystem::path& path, std::string_view bytes,
                              bool (*recognised)(std::string_view oldBytes));
