#include "loadedfiles.h"

#include <map>
#include <utility>

namespace {

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

struct Finding {
    FileIdentity identity;
    FileState state = FileState::Read;
    bool rebuildDrops = false;
    std::shared_ptr<const std::string> bytes;
    std::shared_ptr<const VacationFileRead> read;
};

using Key = std::pair<dev_t, ino_t>;

std::map<Key, Finding>& Findings() {
    static std::map<Key, Finding> findings;
    return findings;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b) {
    return a.size == b.size && SameTime(a.modified, b.modified) && SameTime(a.changed, b.changed);
}

// The finding of the file with this identity, made anew when the file
// changed since.
Finding* FindingOf(const FileIdentity& identity, bool make) {
    const Key key{identity.device, identity.inode};
    auto found = Findings().find(key);
    if (found != Findings().end() && SameFile(found->second.identity, identity)) {
        return &found->second;
    }
    if (!make) {
        return nullptr;
    }
    Finding& finding = Findings()[key];
    finding = Finding{};
    finding.identity = identity;
    return &finding;
}

// The finding of the file as it is now.
Finding* FindingOf(const std::filesystem::path& file, bool make) {
    std::optional<FileIdentity> identity = FileIdentityOf(file);
    return identity ? FindingOf(*identity, make) : nullptr;
}

} // namespace

void RememberFileState(const FileIdentity& file, FileState state) {
    FindingOf(file, true)->state = state;
}

void RememberFileRead(const std::filesystem::path& file, const ReadResult& read, FileState state) {
    if (read.status == ReadStatus::Ok) {
        RememberFileState(read.identity, state);
    } else if (Finding* finding = FindingOf(file, true)) {
        finding->state = state;
    }
}

void RememberRebuildDrops(const FileIdentity& file) {
    FindingOf(file, true)->rebuildDrops = true;
}

void RememberWrittenFile(const FileIdentity& file) {
    Finding* finding = FindingOf(file, true);
    *finding = Finding{};
    finding->identity = file;
}

void ForgetReplacedFile(const FileIdentity& file) {
    auto found = Findings().find(Key{file.device, file.inode});
    if (found != Findings().end() && SameFile(found->second.identity, file)) {
        Findings().erase(found);
    }
}

void RememberFileBytes(const FileIdentity& file, std::shared_ptr<const std::string> bytes) {
    FindingOf(file, true)->bytes = std::move(bytes);
}

std::shared_ptr<const std::string> RememberedFileBytes(const std::filesystem::path& file,
                                                       FileIdentity* identity) {
    std::optional<FileIdentity> now = FileIdentityOf(file);
    if (!now) {
        return nullptr;
    }
    if (identity != nullptr) {
        *identity = *now;
    }
    return RememberedFileBytes(*now);
}

std::shared_ptr<const std::string> RememberedFileBytes(const FileIdentity& file) {
    const Finding* finding = FindingOf(file, false);
    return finding != nullptr ? finding->bytes : nullptr;
}

void RememberFileParse(const FileIdentity& file, std::shared_ptr<const VacationFileRead> read) {
    FindingOf(file, true)->read = std::move(read);
}

std::shared_ptr<const VacationFileRead> RememberedFileParse(const FileIdentity& file) {
    const Finding* finding = FindingOf(file, false);
    return finding != nullptr ? finding->read : nullptr;
}

std::optional<FileState> RememberedFileState(const FileIdentity& file) {
    const Finding* finding = FindingOf(file, false);
    return finding != nullptr ? std::optional(finding->state) : std::nullopt;
}

bool RememberedRebuildDrops(const FileIdentity& file) {
    const Finding* finding = FindingOf(file, false);
    return finding != nullptr && finding->rebuildDrops;
}

void ForgetFileStates() {
    Findings().clear();
}
