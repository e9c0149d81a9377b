#pragma once

#include "fileio.h"
#include "filestate.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// What the loaders learned about each data file they read, kept with the
// file's identity on disk (device, inode, size, change times). A save asks
// here whether the file it replaces holds more than the program does, so it
// does not read and parse every file again; a file that changed on disk
// since it was loaded is not remembered and is looked at anew.

// Remembers a loader's finding for the file as it was when its bytes were
// read.
void RememberFileState(const FileIdentity& file, FileState state);
// The same after ReadWholeFile: for the file as read, or as it is now when
// it could not be read.
void RememberFileRead(const std::filesystem::path& file, const ReadResult& read, FileState state);

// Remembers that rebuilding the paid-leave file from the day kinds as they
// were loaded would drop records or remarks of it: records the user later
// removes in the grid are then not the only ones a save drops.
void RememberRebuildDrops(const FileIdentity& file);

// After the program wrote the file with this identity: it holds exactly
// what the program holds.
void RememberWrittenFile(const FileIdentity& file);

// After a write replaced the file with this identity: what was learned of it
// is let go, so that saves over a long session do not pile up findings of
// files that are gone (file systems that never reuse an inode number).
void ForgetReplacedFile(const FileIdentity& file);

// The finding for the file with this identity (as a stat of it gives it
// now); nothing when no loader saw it or it changed since.
std::optional<FileState> RememberedFileState(const FileIdentity& file);

// Whether RememberRebuildDrops was said of the file with this identity.
bool RememberedRebuildDrops(const FileIdentity& file);

// Keeps the bytes the program just read from or wrote to the file, so that
// a later step of the same load or save need not read it again; forgotten
// once the file changes on disk.
void RememberFileBytes(const FileIdentity& file, std::shared_ptr<const std::string> bytes);

// The bytes remembered for the file as it is on disk now; nullptr when none
// are. With identity, the file's identity now is kept there when the file
// is found.
std::shared_ptr<const std::string> RememberedFileBytes(const std::filesystem::path& file,
                                                       FileIdentity* identity = nullptr);
// The same for the file with this identity (as a stat of it gives it now).
std::shared_ptr<const std::string> RememberedFileBytes(const FileIdentity& file);

// What a reader made of the file's bytes, kept so that a later step of the
// same session need not decode and parse them again: the paid-leave file's
// values read at load serve the save's rebuild. Only a parse of bytes as
// read is remembered, never one made up from what the program wrote.
// Forgotten once the file changes on disk.
struct VacationFileRead;
void RememberFileParse(const FileIdentity& file, std::shared_ptr<const VacationFileRead> read);
// The parse remembered for the file with this identity; nullptr when none
// is, or the file changed since.
std::shared_ptr<const VacationFileRead> RememberedFileParse(const FileIdentity& file);

// Forgets every finding (part of ResetProgramState).
void ForgetFileStates();
