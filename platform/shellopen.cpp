#include "shellopen.h"

#include <QDesktopServices>
#include <QProcess>
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

QUrl TargetUrl(const QString& target) {
    return IsWebAddress(target) ? QUrl(target) : QUrl::fromLocalFile(target);
}

QString DesktopOpener() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
}

// xdg-open's exit status when a tool it needs is not installed.
constexpr int OpenerToolMissing = 3;

} // namespace

void ShellOpen(const QString& target) {
    if (Hook()) {
        Hook()(target);
        return;
    }
    QDesktopServices::openUrl(TargetUrl(target));
}

void ShellOpen(const QString& target, QObject* context,
               const std::function<void(ShellOpenResult)>& done) {
    if (Hook()) {
        done(Hook()(target) ? ShellOpenResult::Opened : ShellOpenResult::Failed);
        return;
    }
    const QString opener = DesktopOpener();
    if (opener.isEmpty()) {
        // Without xdg-open the toolkit may still know a browser.
        done(QDesktopServices::openUrl(TargetUrl(target)) ? ShellOpenResult::Opened
                                                          : ShellOpenResult::NoHandler);
        return;
    }
    // Started xdg-open is no success yet: it may find no handler, or a
    // handler that needs a program that is missing, and then exits with an
    // error. Its exit is awaited through the event loop; a viewer it runs in
    // the foreground keeps it alive until the viewer closes.
    auto* process = new QProcess(context);
    process->setProgram(opener);
    // A file goes as its path, which xdg-open takes as it is.
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, context,
                     [process, done](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status == QProcess::NormalExit && exitCode == 0) {
                             done(ShellOpenResult::Opened);
                         } else if (status == QProcess::NormalExit &&
                                    exitCode == OpenerToolMissing) {
                             done(ShellOpenResult::NoHandler);
                         } else {
                             done(ShellOpenResult::Failed);
                         }
                     });
    QObject::connect(process, &QProcess::errorOccurred, context,
                     [process, done](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             process->deleteLater();
                             done(ShellOpenResult::Failed);
                         }
                     });
    process->start();
}

void SetShellOpenHook(ShellOpenHook hook) {
    Hook() = std::move(hook);
}
