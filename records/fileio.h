#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// Whole-file reading and crash-safe writing shared by every file the program
// keeps: a write goes to a temporary file in the same folder, is flushed to
// disk and then renamed over the old file, so the old file stays intact until
// the new one is complete.

// Missing: no file of that name. Unreadable: something is there but cannot
// be read as a file: no permission, not a regular file at all (a FIFO, a
// device, a folder), which is never opened in a way that could block, or a
// symbolic link whose target is not there or that loops.
enum class ReadStatus { Ok, Missing, Unreadable };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

ReadResult ReadWholeFile(const std::filesystem::path& path);

// Where a write of a path lands. A symbolic link is written through: the
// file it points to is replaced in its own folder and the link stays. The
// file's permission bits are kept.
struct WriteTarget {
    std::filesystem::path file; // the link's target, or the path itself
    bool exists = false;
    mode_t mode = 0; // permission bits for the new file
};

// The file a path names once its symbolic links are followed (the path
// itself when nothing is there); nothing when a link loops, cannot be read
// or points to nothing.
std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& path);

// Nothing when the write must be refused: something other than a regular
// file is in the way, the existing file is not writable by the user (its
// write permission is off: the program honours that even when it runs with
// rights that would let it through), or the link cannot be followed or
// points to nothing.
std::optional<WriteTarget> PrepareWrite(const std::filesystem::path& path);

// Writes bytes to the target through a temporary file ".<name>.XXXXXX" in
// the target's folder, renames it over the target and flushes the folder.
// True when the file now holds exactly these bytes; false leaves any
// previous file untouched and no temporary file behind.
bool WriteToTarget(const WriteTarget& target, std::string_view bytes);

// While one is alive on a thread, WriteToTarget on that thread leaves the
// flush of the folder to it: each folder a write renamed a file in is
// flushed once, when the last batch ends. Every file is still complete on
// disk before it replaces the old one; a save of several files into one
// folder pays one folder flush rather than one per file.
class FolderSyncBatch {
public:
    FolderSyncBatch();
    ~FolderSyncBatch();
    FolderSyncBatch(const FolderSyncBatch&) = delete;
    FolderSyncBatch& operator=(const FolderSyncBatch&) = delete;
};

// PrepareWrite, then WriteToTarget.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The file name as the user sees it in messages, in UTF-8.
std::string DisplayPath(const std::filesystem::path& path);
