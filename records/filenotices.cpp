#include "filenotices.h"

#include <set>
#include <utility>

namespace {

std::set<std::filesystem::path>& Told() {
    static std::set<std::filesystem::path> told;
    return told;
}

std::vector<FileNotice>& Pending() {
    static std::vector<FileNotice> pending;
    return pending;
}

} // namespace

void NoteUnreadableFile(const std::filesystem::path& file, FileState state) {
    if (Told().insert(file).second) {
        Pending().push_back({file, state});
    }
}

std::vector<FileNotice> TakeUnreadableFiles() {
    return std::exchange(Pending(), {});
}

void ForgetUnreadableFiles() {
    Told().clear();
    Pending().clear();
}
