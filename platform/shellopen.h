#pragma once

#include <QString>
#include <functional>

// Opens a file or a web address with the desktop's default handler (the text
// viewer for a text file, the web browser for an address). Tests install a
// hook that sees the target instead of starting another program.

// True when the desktop accepted the target.
bool ShellOpen(const QString& target);

using ShellOpenHook = std::function<bool(const QString& target)>;

// An empty hook opens real targets again.
void SetShellOpenHook(ShellOpenHook hook);
