#pragma once

#include <filesystem>

// The folder of the running executable, where the data files live beside the
// program; when that folder is not writable, ~/.local/share/tolmar (created).
std::filesystem::path ResolveProgramFolder();

// The same rule for a given executable folder, for tests.
std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableFolder,
                                       const std::filesystem::path& homeFolder);
