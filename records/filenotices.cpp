#include "filenotices.h"

#include <set>
#include <utility>

namespace {

std::set<std::filesystem::path>& Told() {
    static std::set<std::filesystem::path> told;
    return told;
}

std::vector<std::filesystem::path>& Pending() {
    static std::vector<std::filesystem::path> pending;
    return pending;
}

} // namespace

void NoteUnreadableFile(const std::filesystem::path& file) {
    if (Told().insert(file).second) {
        Pending().push_back(file);
    }
}

std::vector<std::filesystem::path> TakeUnreadableFiles() {
    return std::exchange(Pending(), {});
}

void ForgetUnreadableFiles() {
    Told().clear();
    Pending().clear();
}
