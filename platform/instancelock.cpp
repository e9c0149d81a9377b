#include "instancelock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string RuntimeFolder() {
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir != nullptr && *dir != '\0') {
        struct stat info {};
        if (::stat(dir, &info) == 0 && S_ISDIR(info.st_mode)) {
            return dir;
        }
    }
    std::string fallback = "/tmp/tolmar-" + std::to_string(::getuid());
    ::mkdir(fallback.c_str(), 0700);
    return fallback;
}

} // namespace

InstanceLock::~InstanceLock() {
    Release();
}

InstanceLock::Result InstanceLock::Acquire(const std::string& name) {
    std::string path = RuntimeFolder() + "/" + name + ".lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
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
