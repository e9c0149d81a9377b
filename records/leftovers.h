#pragma once

#include <filesystem>
#include <string_view>

// A save that is killed between creating its temporary file and the rename
// leaves a hidden ".<name>.XXXXXX" beside the data. Start-up removes them,
// once the single-instance lock is held so that no save of another copy can
// be under way: only regular files of exactly that pattern, for the
// program's own file names ("tolmar.ini", "2004.dat", "2004H.dat",
// "2004V.dat" and those of the other years), and beside the target of each of
// those files that is a symbolic link into another folder (the writer's
// temporary files of the target's name). Returns how many were removed.
int RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder);

// Whether a file name is such a leftover.
bool IsLeftoverTemporaryName(std::string_view name);
