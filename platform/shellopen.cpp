#include "shellopen.h"

#include <QDesktopServices>
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

bool ShellOpen(const QString& target) {
    if (Hook()) {
        return Hook()(target);
    }
    QUrl url = IsWebAddress(target) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

void SetShellOpenHook(ShellOpenHook hook) {
    Hook() = std::move(hook);
}
