#pragma once

// What the program found in a data file.
enum class FileState {
    Missing,      // no file of that name
    Read,         // recognised: read as far as it goes
    DoesNotFit,   // more day lines than the year has days, or dates out of place
    Unrecognised, // no header, or bytes that are not CP932 (re-encoded, damaged)
    Unreadable,   // no permission, or not a regular file: never opened, never replaced
};
