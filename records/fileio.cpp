#include "fileio.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int MaxLinkHops = 40;

bool ReadAll(int fd, std::string& bytes) {
    for (;;) {
        // The caller reserved the file's size and one byte more, so a file
        // that does not grow meanwhile is read without growing the buffer.
        std::size_t used = bytes.size();
        if (used == bytes.capacity()) {
            bytes.reserve(bytes.capacity() * 2 + 4096);
        }
        bytes.resize(bytes.capacity());
        ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            bytes.resize(used);
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.resize(used + static_cast<std::size_t>(n));
        if (n == 0) {
            return true;
        }
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The permission bits a new file gets: everything the umask allows, as for
// any file a program creates.
mode_t NewFileMode() {
    static const mode_t mode = [] {
        mode_t mask = ::umask(022);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

// Whether the user may write the existing file. The write permission bits
// are honoured also for a user with rights beyond them: a file made
// read-only stays as it is.
bool UserMayWrite(const fs::path& file, const struct stat& info) {
    if (::access(file.c_str(), W_OK) != 0) {
        return false;
    }
    // The program never changes its user: asked once.
    static const bool superuser = ::geteuid() == 0;
    return !superuser || (info.st_mode & 0222) != 0;
}

bool IsLink(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Flushes the folder itself, so that a rename in it survives a power cut.
bool SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

// The folders the open batches still have to flush, and how many batches
// are open on this thread.
struct PendingFolders {
    int depth = 0;
    std::vector<std::string> folders;
};

PendingFolders& Pending() {
    static thread_local PendingFolders pending;
    return pending;
}

// Flushes the folder now, or when the batches end.
void SyncFolderOnce(const std::string& folder) {
    PendingFolders& pending = Pending();
    if (pending.depth == 0) {
        SyncFolder(folder);
        return;
    }
    if (std::find(pending.folders.begin(), pending.folders.end(), folder) ==
        pending.folders.end()) {
        pending.folders.push_back(folder);
    }
}

} // namespace

FolderSyncBatch::FolderSyncBatch() {
    ++Pending().depth;
}

FolderSyncBatch::~FolderSyncBatch() {
    PendingFolders& pending = Pending();
    if (--pending.depth > 0) {
        return;
    }
    for (const std::string& folder : pending.folders) {
        SyncFolder(folder);
    }
    pending.folders.clear();
}

ReadResult ReadWholeFile(const fs::path& path) {
    ReadResult result;
    struct stat info {};
    // The type is checked before opening: opening a FIFO blocks until a
    // writer appears, and opening a device can act on it.
    if (::stat(path.c_str(), &info) != 0) {
        bool missing = errno == ENOENT || errno == ENOTDIR;
        // A link whose target is not there is not a missing file: the file
        // may be on a drive that is not mounted.
        missing = missing && !IsLink(path);
        result.status = missing ? ReadStatus::Missing : ReadStatus::Unreadable;
        return result;
    }
    result.status = ReadStatus::Unreadable;
    if (!S_ISREG(info.st_mode)) {
        return result;
    }
    // Non-blocking as well, in case something else took the name meanwhile.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return result;
    }
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok) {
        result.bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
        ok = ReadAll(fd, result.bytes);
    }
    ::close(fd);
    if (!ok) {
        result.bytes.clear();
        return result;
    }
    result.status = ReadStatus::Ok;
    return result;
}

namespace {

// FollowLinks, with what lstat says of the file found when it is there.
std::optional<fs::path> FollowLinks(const fs::path& path, std::optional<struct stat>& found) {
    fs::path file = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(file.c_str(), &info) != 0) {
            // A link whose target is not there is refused: the file may be
            // on a drive that is not mounted, and must not be made elsewhere.
            if (errno != ENOENT || hop > 0) {
                return std::nullopt;
            }
            return file;
        }
        if (!S_ISLNK(info.st_mode)) {
            found = info;
            return file;
        }
        std::error_code error;
        fs::path link = fs::read_symlink(file, error);
        if (error) {
            return std::nullopt;
        }
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return std::nullopt;
}

} // namespace

std::optional<fs::path> FollowLinks(const fs::path& path) {
    std::optional<struct stat> found;
    return FollowLinks(path, found);
}

std::optional<WriteTarget> PrepareWrite(const fs::path& path) {
    std::optional<struct stat> info;
    std::optional<fs::path> file = FollowLinks(path, info);
    if (!file) {
        return std::nullopt;
    }
    if (!info) {
        return WriteTarget{*file, false, NewFileMode()};
    }
    if (!S_ISREG(info->st_mode) || !UserMayWrite(*file, *info)) {
        return std::nullopt;
    }
    return WriteTarget{*file, true, static_cast<mode_t>(info->st_mode & 07777)};
}

bool WriteToTarget(const WriteTarget& target, std::string_view bytes) {
    // Names made as plain text, without taking the path apart: the folder as
    // the file's path names it ("." for a bare name, "/" at the root).
    const std::string& file = target.file.native();
    const std::size_t slash = file.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : file.substr(0, slash == 0 ? 1 : slash);
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    std::string temporary = file.substr(0, name) + "." + file.substr(name) + ".XXXXXX";
    int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, target.mode) == 0 && ::fdatasync(fd) == 0;
    if (!ok || ::rename(temporary.c_str(), target.file.c_str()) != 0) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return false;
    }
    ::close(fd);
    // The new file is in place; a folder that cannot be flushed (some
    // network file systems) does not undo that.
    SyncFolderOnce(folder);
    return true;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    std::optional<WriteTarget> target = PrepareWrite(path);
    return target && WriteToTarget(*target, bytes);
}

std::string DisplayPath(const fs::path& path) {
    return path.string();
}
