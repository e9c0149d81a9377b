#include "leftovers.h"

#include "settings.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

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

} // namespace

bool IsLeftoverTemporaryName(std::string_view name) {
    constexpr std::size_t Suffix = 7; // "." and six letters or digits, as mkstemp makes them
    if (name.size() < 1 + Suffix || name.front() != '.' || name[name.size() - Suffix] != '.') {
        return false;
    }
    for (std::size_t i = name.size() - Suffix + 1; i < name.size(); ++i) {
        if (!IsAlphanumeric(name[i])) {
            return false;
        }
    }
    return IsOwnFileName(name.substr(1, name.size() - 1 - Suffix));
}

int RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder) {
    int removed = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        struct stat info {};
        if (!IsLeftoverTemporaryName(name) || ::lstat(entry.path().c_str(), &info) != 0 ||
            !S_ISREG(info.st_mode)) {
            continue;
        }
        removed += ::unlink(entry.path().c_str()) == 0 ? 1 : 0;
    }
    return removed;
}
