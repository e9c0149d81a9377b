#include "shellopen.h"

#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>

namespace {

ShellOpenHook& Hook() {
    static ShellOpenHook hook;
    return hook;
}

bool IsWebAddress(const QString& target) {
    return target.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
           target.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
}

} // namespace

ShellOpenResult ShellOpen(const QString& target) {
    if (Hook()) {
        return Hook()(target) ? ShellOpenResult::Opened : ShellOpenResult::Failed;
    }
    QUrl url = IsWebAddress(target) ? QUrl(target) : QUrl::fromLocalFile(target);
    if (QDesktopServices::openUrl(url)) {
        return ShellOpenResult::Opened;
    }
    // The toolkit hands files to the desktop's opener, xdg-open; where that
    // is missing (and no browser stood in for it) nothing could open them.
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()
               ? ShellOpenResult::NoHandler
               : ShellOpenResult::Failed;
}

void SetShellOpenHook(ShellOpenHook hook) {
    Hook() = std::move(hook);
}
