#include "programfolder.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr) {
        return entry->pw_dir;
    }
    return "/tmp";
}

} // namespace

ProgramFolderChoice ProgramFolderFor(const fs::path& executableFolder, const fs::path& homeFolder) {
    if (!executableFolder.empty() && ::access(executableFolder.c_str(), W_OK) == 0) {
        return {executableFolder, {}};
    }
    fs::path fallback = homeFolder / ".local" / "share" / "tolmar";
    std::error_code ignored;
    fs::create_directories(fallback, ignored);
    return {fallback, executableFolder};
}

ProgramFolderChoice ResolveProgramFolder() {
    std::error_code error;
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return ProgramFolderFor(error ? fs::path() : executable.parent_path(), HomeFolder());
}
