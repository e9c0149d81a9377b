#pragma once

#include <QString>
#include <functional>

// Opens a file or a web address with the desktop's default handler (the text
// viewer for a text file, the web browser for an address). Tests install a
// hook that sees the target instead of starting another program.

enum class ShellOpenResult {
    Opened,    // the desktop accepted the target
    NoHandler, // the desktop has no program that opens files (no xdg-open)
    Failed,    // the opener was there but did not take the target
};

ShellOpenResult ShellOpen(const QString& target);

// The hook answers true when it took the target.
using ShellOpenHook = std::function<bool(const QString& target)>;

// An empty hook opens real targets again.
void SetShellOpenHook(ShellOpenHook hook);
