#pragma once

#include "filestate.h"

#include <filesystem>
#include <string>
#include <vector>

// Data files the program found but could not read whole: not recognised,
// not a readable regular file, a day file that does not fit its year, or a
// value that should be a number and is none. The loaders note them; the
// window tells the user about each once per run what will happen to it.

struct FileNotice {
    std::filesystem::path file;
    FileState state = FileState::Unrecognised;
    std::string key; // the key whose value is no number; empty for the whole file
    bool operator==(const FileNotice&) const = default;
};

void NoteUnreadableFile(const std::filesystem::path& file, FileState state);

// The value of key in the file reads as 0 because it is no number.
void NoteUnreadNumber(const std::filesystem::path& file, const std::string& key);

// The files noted since the last call that the user has not been told about
// yet in this run, in the order they were found.
std::vector<FileNotice> TakeUnreadableFiles();

// Forgets every note (part of ResetProgramState).
void ForgetUnreadableFiles();
