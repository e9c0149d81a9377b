#include "startup.h"

#include "mainwindow/tform1.h"
#include "mainwindow/unreadablefiles.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/instancelock.h"
#include "platform/programicon.h"
#include "platform/translations.h"
#include "records/fileio.h"
#include "records/leftovers.h"
#include "records/programfolder.h"
#include "records/settings.h"
#include "records/state.h"

#include <QTimer>
#include <exception>

namespace {

void PrepareApplication(TApplication& app) {
    QApplication::setApplicationName(QStringLiteral("tolmar"));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    QApplication::setFont(ProgramFont(GothicFontName, 12));
    InstallJapaneseTranslations(app);
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(DisplayPath(path));
}

// Reads the settings; the first run writes them at once with the defaults.
void LoadStartupSettings(TForm1& form) {
    const std::filesystem::path file = ProgramFolder / SettingsFileName;
    if (LoadSettings(ProgramFolder, &FirstRun) == SettingsLoad::Unreadable) {
        ShowMessageBox(&form, QStringLiteral("ファイル %1 は開けません").arg(PathText(file)),
                       QStringLiteral("エラー"));
    }
    if (FirstRun == 1 && !SaveSettings(ProgramFolder, 0)) {
        ShowMessageBox(&form, QStringLiteral("ファイル %1 を作成できません").arg(PathText(file)),
                       QStringLiteral("エラー"));
    }
}

// Data files and settings are kept in the fallback folder from now on; the
// files beside the program are not used, and the user is told so.
void ReportFolderSwitch(QWidget* owner, const ProgramFolderChoice& choice) {
    if (choice.notWritable.empty()) {
        return;
    }
    ShowMessageBox(owner,
                   QStringLiteral("プログラムのフォルダ %1 には書き込めないため、データと設定は "
                                  "%2 から読み込み、%2 に保存します。%1 にあるファイルは"
                                  "使いません。")
                       .arg(PathText(choice.notWritable), PathText(choice.folder)),
                   QString::fromUtf8(ProgramTitle), MsgIcon::Exclamation);
}

} // namespace

int WinMain(int argc, char** argv) {
    InstanceLock lock;
    InstanceLock::Result locked = lock.Acquire("UniqueName");
    if (locked == InstanceLock::Result::HeldElsewhere) {
        return 1;
    }
    TApplication app(argc, argv);
    PrepareApplication(app);
    if (locked == InstanceLock::Result::Error) {
        ShowMessageBox(nullptr, QString::fromStdString(lock.ErrorText()),
                       QString::fromUtf8(ProgramTitle), MsgIcon::Stop);
        return 1;
    }
    int exitCode = 0;
    try {
        const ProgramFolderChoice folder = ResolveProgramFolder();
        ProgramFolder = folder.folder;
        // With the lock held no other copy can be saving: a temporary file
        // of ours is what a killed save left behind.
        RemoveLeftoverTemporaryFiles(ProgramFolder);
        TForm1 form;
        LoadStartupSettings(form);
        StartedMinimized = 0;
        if (Settings.Timeoption != 0) {
            form.StartMinimized();
        } else {
            form.show();
        }
        // The show step has loaded the years; once the window is up, say
        // where the files are kept and which of them could not be read.
        QTimer::singleShot(0, &form, [&form, &folder] {
            ReportFolderSwitch(&form, folder);
            ReportUnreadableFiles(&form);
        });
        QApplication::exec();
    } catch (const std::exception& error) {
        ShowExceptionMessage(QString::fromUtf8(error.what()));
        exitCode = 1;
    } catch (...) {
        ShowExceptionMessage(QString());
        exitCode = 1;
    }
    lock.Release();
    return exitCode;
}
