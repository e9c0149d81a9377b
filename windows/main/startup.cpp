#include "startup.h"

#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/instancelock.h"
#include "platform/modalform.h"
#include "platform/programicon.h"
#include "platform/translations.h"
#include "records/cp932.h"
#include "records/fileio.h"
#include "records/leftovers.h"
#include "records/programfolder.h"
#include "records/settings.h"
#include "records/state.h"
#include "windows/main/mainwindow.h"
#include "windows/main/unreadablefiles.h"

#include <QTimer>
#include <exception>
#include <functional>
#include <thread>

namespace {

void PrepareApplication(TApplication& app) {
    QApplication::setApplicationName(QStringLiteral("tolmar"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    QApplication::setFont(ProgramFont(GothicFontName, 12));
    InstallJapaneseTranslations(app);
    ConnectPlatformToSettings();
}

// Drawing the icon takes a millisecond that the main window's first frame
// need not wait for; every window shown before it, a message box included,
// sets it first.
void SetProgramIcon() {
    if (QApplication::windowIcon().isNull()) {
        QApplication::setWindowIcon(ProgramIcon());
    }
}

// Runs work once, after the window's first frame: posted from its first
// paint, it runs once that frame has been handed to the display. A window
// that stays hidden behind others is never painted, so the work runs after
// half a second at the latest.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget& window, std::function<void()> work)
        : QObject(&window), window_(window), work_(std::move(work)) {
        window_.installEventFilter(this);
        QTimer::singleShot(500, this, [this] { Run(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, this, [this] { Run(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Run() {
        if (!work_) {
            return;
        }
        window_.removeEventFilter(this);
        std::function<void()> work = std::move(work_);
        work_ = nullptr;
        work();
        deleteLater();
    }

    QWidget& window_;
    std::function<void()> work_;
};

void ShowStartupError(QWidget* owner, const QString& text, const QString& caption,
                      MsgIcon icon = MsgIcon::None) {
    SetProgramIcon();
    ShowMessageBox(owner, text, caption, icon);
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(DisplayPath(path));
}

// Reads the settings; the first run writes them at once with the defaults.
void LoadStartupSettings(TForm1& form) {
    const std::filesystem::path file = ProgramFolder / SettingsFileName;
    switch (LoadSettings(ProgramFolder, &FirstRun)) {
    case SettingsLoad::Unreadable:
        ShowStartupError(&form, QStringLiteral("ファイル %1 は開けません").arg(PathText(file)),
                         QStringLiteral("エラー"));
        break;
    case SettingsLoad::LoadedFromUtf8:
        ShowStartupError(&form,
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
        ShowStartupError(&form, QStringLiteral("ファイル %1 を作成できません").arg(PathText(file)),
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

void ConnectPlatformToSettings() {
    SetEscapeMinimizesQuery([] { return Settings.Escflg != 0; });
}

int WinMain(int argc, char** argv) {
    InstanceLock lock;
    InstanceLock::Result locked = lock.Acquire("UniqueName");
    if (locked == InstanceLock::Result::HeldElsewhere) {
        return 1;
    }
    // Reading the settings and the data files first loads the C library's
    // CP932 converter; loaded on a thread of its own while the application
    // connects to the display and loads its fonts, it is ready in time.
    TApplication app(argc, argv);
    PrepareApplication(app);
    std::jthread decodeTable([] { Cp932ToUtf8({}); });
    if (locked == InstanceLock::Result::Error) {
        ShowStartupError(nullptr, QString::fromStdString(lock.ErrorText()),
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
        // The show step has loaded the years; once the window is up, say
        // where the files are kept and which of them could not be read.
        auto report = [&form, &folder] {
            SetProgramIcon();
            ReportFolderSwitch(&form, folder);
            ReportUnreadableFiles(&form);
        };
        if (Settings.Timeoption != 0) {
            // The notification icon shows the program's icon at once.
            SetProgramIcon();
            form.StartMinimized();
            QTimer::singleShot(0, &form, report);
        } else {
            new AfterFirstFrame(form, report);
            form.show();
        }
        QApplication::exec();
    } catch (const std::exception& error) {
        SetProgramIcon();
        ShowExceptionMessage(QString::fromUtf8(error.what()));
        exitCode = 1;
    } catch (...) {
        SetProgramIcon();
        ShowExceptionMessage(QString());
        exitCode = 1;
    }
    lock.Release();
    return exitCode;
}
