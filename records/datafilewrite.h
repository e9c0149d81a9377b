#pragma once

#include "fileio.h"
#include "filestate.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

// Whether a file in this state must be kept under a backup name before it is
// replaced: the new file would not hold everything the old one held.
bool KeepsOldBytes(FileState state);

// Outcome of writing a data file. A failed write leaves the old file as it
// was; the caller shows the message, the core never does.
struct DataFileWrite {
    bool written = false; // the file now holds the new contents
    std::filesystem::path path;
    // Where the old bytes were kept first, when the old file was not one the
    // program could read whole; empty otherwise.
    std::filesystem::path backup;
    // The new file's identity on disk, when it was written and found.
    std::optional<FileIdentity> identity;

    bool backedUp() const { return !backup.empty(); }
    explicit operator bool() const { return written; }
};

// Replaces the file with bytes through a temporary file and a rename (a
// symbolic link is written through to its target, whose permission bits
// stay). When the existing file's state calls for it (KeepsOldBytes), or when
// keepOld says the new bytes drop something of it, its bytes are first kept
// under the next free name of "<name>.bak", "<name>.bak2", ... (never over
// another backup). The state is what the loader remembered of the file (see
// loadedfiles.h); only a file that changed on disk since, or that no loader
// saw, is read and given to check. A file that is unreadable or not writable
// is never replaced: the write fails, and so does it when the backup cannot
// be made; the old file then stays as it was.
DataFileWrite ReplaceDataFile(const std::filesystem::path& path, std::string_view bytes,
                              const std::function<FileState(std::string_view oldBytes)>& check,
                              bool keepOld = false);
// The same with the target PrepareWrite(path) gave just before, for a caller
// that needed the existing file's identity to make the bytes; nothing there
// fails the write.
DataFileWrite ReplaceDataFile(const std::filesystem::path& path,
                              const std::optional<WriteTarget>& target, std::string_view bytes,
                              const std::function<FileState(std::string_view oldBytes)>& check,
                              bool keepOld = false);
