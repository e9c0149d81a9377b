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
    switch (LoadSettings(ProgramFolder, &FirstRun)) {
    case SettingsLoad::Unreadable:
        ShowMessageBox(&form, QStringLiteral("ファイル %1 は開けません").arg(PathText(file)),
                       QStringLiteral("エラー"));
        break;
    case SettingsLoad::LoadedFromUtf8:
        ShowMessageBox(&form,
                       QStringLiteral("ファイル %1 はUTF-8で保存されているため、UTF-8として"
                                      "読み込みました。次に設定を保存するときは、元の内容を"
                                      "別の名前で残してから新しいファイルを書きます。")
                           .arg(PathText(file)),
                       QString::fromUtf8(ProgramTitle), MsgIcon::Information);
        break;
    case SettingsLoad::Loaded:
    case SettingsLoad::Missing:
        break;
    }
    if (FirstRun == 1 && !SaveSettings(ProgramFolder, 0)) {
        ShowMessageBox(&form, QStringLiteral("ファイル %1 を作成できません").arg(PathText(file)),
                       QStringLiteral("エラー"));
    }
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
    try {
        ProgramFolder = ResolveProgramFolder();
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
        // which files could not be read.
        QTimer::singleShot(0, &form, [&form] { ReportUnreadableFiles(&form); });
        QApplication::exec();
    } catch (const std::exception& error) {
        ShowExceptionMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowExceptionMessage(QString());
    }
    lock.Release();
    return 0;
}
