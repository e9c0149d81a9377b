#pragma once

#include "fileio.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Which bytes this run last read from or wrote to each file it saves: a
// save keeps a file that no longer holds them, since something outside the
// program changed it. A reader whose values a later save writes back calls
// this after reading the file (a missing file is noted as missing).
void NoteFileRead(const std::filesystem::path& file, const ReadResult& read);

// Forgets every noted file (part of ResetProgramState).
void ForgetFilesRead();

// Outcome of writing a data file. A failed write leaves the old file as it
// was; the caller shows the message, the core never does.
struct DataFileWrite {
    bool written = false; // the file now holds the new contents
    std::filesystem::path path;
    // Where the old bytes were kept first; empty when they were not.
    std::filesystem::path backup;
    // The old bytes were not those this run last read or wrote: something
    // else changed the file.
    bool changedOutside = false;
    // The bytes the write replaced, as they were at the save; nothing when
    // there was no file.
    std::optional<std::string> replaced;

    bool backedUp() const { return !backup.empty(); }
    explicit operator bool() const { return written; }
};

// Replaces the file with make(old bytes) through a temporary file and a
// rename (a symbolic link is written through to its target, whose
// permission bits stay); old is "" when there is no file. The bytes on disk
// at the save decide whether they are first kept under the next free name of
// "<name>.bak", "<name>.bak2", ... (never over another backup): when they
// are not the bytes this run last read from or wrote to the file, or when
// holdsWhole(old bytes) says that reading and writing them again does not
// give them back (asked only of bytes this run did not write itself: its
// own always come back), or when dropsFromOld says the new file leaves out
// something they hold (a record or remark the caller knows of). A file
// that is unreadable or not writable is never replaced: the write fails, and
// so does it when the backup cannot be made; the old file then stays as it
// was.
DataFileWrite ReplaceDataFile(const std::filesystem::path& path,
                              const std::function<std::string(std::string_view old)>& make,
                              const std::function<bool(std::string_view old)>& holdsWhole,
                              bool dropsFromOld = false);
