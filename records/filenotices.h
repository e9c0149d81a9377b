#pragma once

#include <filesystem>
#include <vector>

// Data files the program found but could not read (not recognised, or not a
// readable regular file). The loaders note them; the window tells the user
// about each once per run, and the next save keeps the file under a backup
// name or leaves it alone.

void NoteUnreadableFile(const std::filesystem::path& file);

// The files noted since the last call that the user has not been told about
// yet in this run, in the order they were found.
std::vector<std::filesystem::path> TakeUnreadableFiles();

// Forgets every note (part of ResetProgramState).
void ForgetUnreadableFiles();
