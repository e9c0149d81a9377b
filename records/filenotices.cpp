#include "filenotices.h"

#include <set>
#include <utility>

namespace {

std::set<std::pair<std::filesystem::path, std::string>>& Told() {
    static std::set<std::pair<std::filesystem::path, std::string>> told;
    return told;
}

std::vector<FileNotice>& Pending() {
    static std::vector<FileNotice> pending;
    return pending;
}

void Note(FileNotice notice) {
    if (Told().insert({notice.file, notice.key}).second) {
        Pending().push_back(std::move(notice));
    }
}

} // namespace

void NoteUnreadableFile(const std::filesystem::path& file, FileState state) {
    Note({file, state, {}});
}

void NoteUnreadNumber(const std::filesystem::path& file, const std::string& key) {
    Note({file, FileState::Read, key});
}

std::vector<FileNotice> TakeUnreadableFiles() {
    return std::exchange(Pending(), {});
}

void ForgetUnreadableFiles() {
    Told().clear();
    Pending().clear();
}
