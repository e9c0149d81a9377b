#include "leftovers.h"

#include "datanumbers.h"
#include "fileio.h"
#include "settings.h"

#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsAlphanumeric(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "2004.dat", "2004H.dat", "2004V.dat" or "tolmar.ini".
bool IsOwnFileName(std::string_view name) {
    if (name == SettingsFileName) {
        return true;
    }
    if (name.size() < 8 || !IsDigit(name[0]) || !IsDigit(name[1]) || !IsDigit(name[2]) ||
        !IsDigit(name[3])) {
        return false;
    }
    std::string_view rest = name.substr(4);
    return rest == ".dat" || rest == "H.dat" || rest == "V.dat";
}

constexpr std::size_t Suffix = 7; // "." and six letters or digits, as mkstemp makes them

bool HasTemporarySuffix(std::string_view name) {
    if (name.size() < Suffix || name[name.size() - Suffix] != '.') {
        return false;
    }
    for (std::size_t i = name.size() - Suffix + 1; i < name.size(); ++i) {
        if (!IsAlphanumeric(name[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsLeftoverTemporaryName(std::string_view name) {
    return name.size() > 1 + Suffix && name.front() == '.' && HasTemporarySuffix(name) &&
           IsOwnFileName(name.substr(1, name.size() - 1 - Suffix));
}

namespace {

// Removes the regular files in the folder whose names pass the test.
int RemoveMatching(const std::filesystem::path& folder,
                   const std::function<bool(std::string_view)>& leftover) {
    int removed = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        struct stat info {};
        if (!leftover(name) || ::lstat(entry.path().c_str(), &info) != 0 ||
            !S_ISREG(info.st_mode)) {
            continue;
        }
        removed += ::unlink(entry.path().c_str()) == 0 ? 1 : 0;
    }
    return removed;
}

// Whether the name is a temporary file of the writer for the target name.
bool IsTemporaryOf(std::string_view name, std::string_view target) {
    return name.size() == target.size() + 8 && name.front() == '.' &&
           name.substr(1, target.size()) == target && HasTemporarySuffix(name);
}

} // namespace

int RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder) {
    int removed = RemoveMatching(folder, IsLeftoverTemporaryName);
    // A file of ours that is a symbolic link is written through to its
    // target, so a killed save leaves its temporary file beside the target.
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!IsOwnFileName(name) || !entry.is_symlink()) {
            continue;
        }
        std::optional<std::filesystem::path> target = FollowLinks(entry.path());
        if (!target) {
            continue;
        }
        const std::string targetName = target->filename().string();
        removed += RemoveMatching(target->parent_path(), [&](std::string_view candidate) {
            return IsTemporaryOf(candidate, targetName);
        });
    }
    return removed;
}
