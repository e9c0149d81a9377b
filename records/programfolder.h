#pragma once

#include <filesystem>

// The folder of the running executable, where the data files live beside the
// program; when that folder is not writable, ~/.local/share/tolmar (created).
struct ProgramFolderChoice {
    std::filesystem::path folder;
    // The executable's folder when it could not be used, so that the user
    // can be told where the files are now kept; empty otherwise.
    std::filesystem::path notWritable;
};

ProgramFolderChoice ResolveProgramFolder();

// The same rule for a given executable folder, for tests.
ProgramFolderChoice ProgramFolderFor(const std::filesystem::path& executableFolder,
                                     const std::filesystem::path& homeFolder);
