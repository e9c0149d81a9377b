#include "instancelock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder of the user's own that no one else may write into: a folder the
// user owns (not a link to one) without write access for group or others.
bool IsPrivateFolder(const std::string& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 022) == 0;
}

// The runtime folder, or a private folder in /tmp when there is none. Empty
// when the folder in /tmp is not the user's own: someone else made it, and a
// lock there could be held or removed by them.
std::string RuntimeFolder() {
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir != nullptr && *dir != '\0') {
        struct stat info {};
        if (::stat(dir, &info) == 0 && S_ISDIR(info.st_mode)) {
            return dir;
        }
    }
    std::string fallback = "/tmp/tolmar-" + std::to_string(::getuid());
    ::mkdir(fallback.c_str(), 0700);
    return IsPrivateFolder(fallback) ? fallback : std::string();
}

} // namespace

InstanceLock::~InstanceLock() {
    Release();
}

InstanceLock::Result InstanceLock::Acquire(const std::string& name) {
    const std::string folder = RuntimeFolder();
    if (folder.empty()) {
        error_ = "/tmp/tolmar-" + std::to_string(::getuid()) + ": " + std::strerror(EPERM);
        return Result::Error;
    }
    std::string path = folder + "/" + name + ".lock";
    // A link in place of the lock file is not followed.
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) {
        error_ = path + ": " + std::strerror(errno);
        return Result::Error;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        ::close(fd_);
        fd_ = -1;
        if (err == EWOULDBLOCK) {
            return Result::HeldElsewhere;
        }
        error_ = path + ": " + std::strerror(err);
        return Result::Error;
    }
    return Result::Acquired;
}

void InstanceLock::Release() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}
