#pragma once

#include <QString>
#include <functional>

class QObject;

// Opens a file or a web address with the desktop's default handler (the text
// viewer for a text file, the web browser for an address). Tests install a
// hook that sees the target instead of starting another program.

enum class ShellOpenResult {
    Opened,    // the desktop accepted the target
    NoHandler, // the desktop has no program that opens it
    Failed,    // the opener was there but did not take the target
};

// Hands the target to the desktop and forgets it; whatever happens then is
// for the opened program to report.
void ShellOpen(const QString& target);

// Hands the target to the desktop and tells done how the desktop's opener
// ended, without holding up the window meanwhile: done runs from the event
// loop once the opener has exited (at once when there is none), and not at
// all when context is destroyed first.
void ShellOpen(const QString& target, QObject* context,
               const std::function<void(ShellOpenResult)>& done);

// The hook answers true when it took the target.
using ShellOpenHook = std::function<bool(const QString& target)>;

// An empty hook opens real targets again.
void SetShellOpenHook(ShellOpenHook hook);
