#include "datafilewrite.h"

#include "fileio.h"
#include "loadedfiles.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path BackupName(const fs::path& file, int number) {
    fs::path name = file;
    name += number == 1 ? ".bak" : ".bak" + std::to_string(number);
    return name;
}

// Gives the file a second name under the next free backup name, without
// ever replacing an existing file: the old bytes stay under the file's own
// name until the new file replaces them. Empty when no backup could be made.
fs::path KeepAsBackup(const fs::path& file) {
    for (int number = 1; number < 10000; ++number) {
        fs::path backup = BackupName(file, number);
        if (::link(file.c_str(), backup.c_str()) == 0) {
            return backup;
        }
        if (errno == EEXIST) {
            continue;
        }
        // A file system without hard links: a copy that never replaces
        // another file.
        ReadResult old = ReadWholeFile(file);
        int fd = ::open(backup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return {};
        }
        bool ok = old.status == ReadStatus::Ok &&
                  ::write(fd, old.bytes.data(), old.bytes.size()) ==
                      static_cast<ssize_t>(old.bytes.size()) &&
                  ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        if (!ok) {
            ::unlink(backup.c_str());
            return {};
        }
        return backup;
    }
    return {};
}

} // namespace

bool KeepsOldBytes(FileState state) {
    switch (state) {
    case FileState::CutShort:
    case FileState::DoesNotFit:
    case FileState::HoldsMore:
    case FileState::Unrecognised:
        return true;
    case FileState::Missing:
    case FileState::Read:
    case FileState::Unreadable:
        break;
    }
    return false;
}

DataFileWrite ReplaceDataFile(const fs::path& path, std::string_view bytes,
                              const std::function<FileState(std::string_view oldBytes)>& check,
                              bool keepOld) {
    return ReplaceDataFile(path, PrepareWrite(path), bytes, check, keepOld);
}

DataFileWrite ReplaceDataFile(const fs::path& path, const std::optional<WriteTarget>& target,
                              std::string_view bytes,
                              const std::function<FileState(std::string_view oldBytes)>& check,
                              bool keepOld) {
    DataFileWrite result;
    result.path = path;
    if (!target) {
        return result;
    }
    if (target->exists) {
        // What the load learned decides, unless the file changed since.
        std::optional<FileState> state = RememberedFileState(target->identity);
        if (!state) {
            ReadResult old = ReadWholeFile(target->file);
            state = old.status == ReadStatus::Ok ? check(old.bytes) : FileState::Unreadable;
        }
        if (*state == FileState::Unreadable) {
            return result;
        }
        if (keepOld || KeepsOldBytes(*state)) {
            result.backup = KeepAsBackup(target->file);
            if (result.backup.empty()) {
                return result;
            }
        }
    }
    result.written = WriteToTarget(*target, bytes, &result.identity);
    if (result.written && target->exists) {
        ForgetReplacedFile(target->identity);
    }
    if (result.identity) {
        RememberWrittenFile(*result.identity);
    }
    if (!result.written && !result.backup.empty()) {
        // The old file is still in place: a failed save leaves nothing behind.
        ::unlink(result.backup.c_str());
        result.backup.clear();
    }
    return result;
}
