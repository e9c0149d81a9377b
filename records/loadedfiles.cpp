#include "loadedfiles.h"

#include <map>
#include <sys/stat.h>
#include <utility>

namespace {

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
};

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

struct Finding {
    Identity identity;
    FileState state = FileState::Read;
    bool rebuildDrops = false;
    std::shared_ptr<const std::string> bytes;
};

using Key = std::pair<dev_t, ino_t>;

std::map<Key, Finding>& Findings() {
    static std::map<Key, Finding> findings;
    return findings;
}

std::optional<Identity> IdentityOf(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return Identity{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

bool SameFile(const Identity& a, const Identity& b) {
    return a.size == b.size && SameTime(a.modified, b.modified) && SameTime(a.changed, b.changed);
}

// The finding of the file as it is now, made anew when it changed since.
Finding* FindingOf(const std::filesystem::path& file, bool make) {
    std::optional<Identity> identity = IdentityOf(file);
    if (!identity) {
        return nullptr;
    }
    const Key key{identity->device, identity->inode};
    auto found = Findings().find(key);
    if (found != Findings().end() && SameFile(found->second.identity, *identity)) {
        return &found->second;
    }
    if (!make) {
        return nullptr;
    }
    Finding& finding = Findings()[key];
    finding = {*identity};
    return &finding;
}

} // namespace

void RememberFileState(const std::filesystem::path& file, FileState state) {
    if (Finding* finding = FindingOf(file, true)) {
        finding->state = state;
    }
}

void RememberRebuildDrops(const std::filesystem::path& file) {
    if (Finding* finding = FindingOf(file, true)) {
        finding->rebuildDrops = true;
    }
}

void RememberWrittenFile(const std::filesystem::path& file) {
    if (Finding* finding = FindingOf(file, true)) {
        *finding = {finding->identity};
    }
}

void RememberFileBytes(const std::filesystem::path& file,
                       std::shared_ptr<const std::string> bytes) {
    if (Finding* finding = FindingOf(file, true)) {
        finding->bytes = std::move(bytes);
    }
}

std::shared_ptr<const std::string> RememberedFileBytes(const std::filesystem::path& file) {
    const Finding* finding = FindingOf(file, false);
    return finding != nullptr ? finding->bytes : nullptr;
}

std::optional<FileState> RememberedFileState(const std::filesystem::path& file) {
    const Finding* finding = FindingOf(file, false);
    return finding != nullptr ? std::optional(finding->state) : std::nullopt;
}

bool RememberedRebuildDrops(const std::filesystem::path& file) {
    const Finding* finding = FindingOf(file, false);
    return finding != nullptr && finding->rebuildDrops;
}

void ForgetFileStates() {
    Findings().clear();
}
