#pragma once

#include "datafilewrite.h"

#include <filesystem>
#include <vector>

// Data files the program found but could not read whole: not recognised,
// not a readable regular file, or a day file that does not fit its year.
// The loaders note them; the window tells the user about each once per run
// what will happen to it.

struct FileNotice {
    std::filesystem::path file;
    FileState state = FileState::Unrecognised;
    bool operator==(const FileNotice&) const = default;
};

void NoteUnreadableFile(const std::filesystem::path& file, FileState state);

// The files noted since the last call that the user has not been told about
// yet in this run, in the order they were found.
std::vector<FileNotice> TakeUnreadableFiles();

// Forgets every note (part of ResetProgramState).
void ForgetUnreadableFiles();
