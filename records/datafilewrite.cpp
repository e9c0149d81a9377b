#include "datafilewrite.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The bytes this run last read from or wrote to a file, and whether it
// wrote them.
struct Seen {
    std::string bytes;
    bool written = false;
};

std::map<fs::path, Seen>& FilesSeen() {
    static std::map<fs::path, Seen> files;
    return files;
}

// What this run last saw of the file, when those are its bytes now.
const Seen* SeenAsTheyAre(const fs::path& file, std::string_view bytes) {
    auto found = FilesSeen().find(file);
    return found != FilesSeen().end() && found->second.bytes == bytes ? &found->second : nullptr;
}

fs::path BackupName(const fs::path& file, int number) {
    fs::path name = file;
    name += number == 1 ? ".bak" : ".bak" + std::to_string(number);
    return name;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Gives the file a second name under the next free backup name, without
// ever replacing an existing file: the old bytes stay under the file's own
// name until the new file replaces them. Where the file system has no hard
// links, the bytes read at the save are copied. Empty when no backup could
// be made.
fs::path KeepAsBackup(const fs::path& file, std::string_view bytes) {
    for (int number = 1; number < 10000; ++number) {
        fs::path backup = BackupName(file, number);
        if (::link(file.c_str(), backup.c_str()) == 0) {
            return backup;
        }
        if (errno == EEXIST) {
            continue;
        }
        int fd = ::open(backup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return {};
        }
        bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
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

void NoteFileRead(const fs::path& file, const ReadResult& read) {
    if (read.status == ReadStatus::Ok) {
        FilesSeen()[file] = {read.bytes, false};
    } else {
        FilesSeen().erase(file);
    }
}

void ForgetFilesRead() {
    FilesSeen().clear();
}

DataFileWrite ReplaceDataFile(const fs::path& path,
                              const std::function<std::string(std::string_view old)>& make,
                              const std::function<bool(std::string_view old)>& holdsWhole,
                              bool dropsFromOld) {
    DataFileWrite result;
    result.path = path;
    const std::optional<WriteTarget> target = PrepareWrite(path);
    if (!target) {
        return result;
    }
    if (target->exists) {
        ReadResult old = ReadWholeFile(target->file);
        if (old.status != ReadStatus::Ok) {
            return result;
        }
        result.replaced = std::move(old.bytes);
    }
    const std::string_view old = result.replaced ? *result.replaced : std::string_view();
    const std::string bytes = make(old);
    if (result.replaced) {
        const Seen* seen = SeenAsTheyAre(path, old);
        result.changedOutside = seen == nullptr;
        // Bytes this run wrote come back whole when read and written again
        // (each format's writer makes sure of it): only others are checked.
        const bool ours = seen != nullptr && seen->written;
        if (result.changedOutside || dropsFromOld || (!ours && !holdsWhole(old))) {
            result.backup = KeepAsBackup(target->file, old);
            if (result.backup.empty()) {
                return result;
            }
        }
    }
    result.written = WriteToTarget(*target, bytes);
    if (result.written) {
        FilesSeen()[path] = {bytes, true};
    } else if (!result.backup.empty()) {
        // The old file is still in place: a failed save leaves nothing behind.
        ::unlink(result.backup.c_str());
        result.backup.clear();
    }
    return result;
}
