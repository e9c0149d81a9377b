// The main window's small commands: help, the web link, the About box, the
// period CSV export and the walking-progress map.
#include "windows/main/mainwindow.h"

#include "commands/periodcsv.h"
#include "commands/viewcommands.h"
#include "platform/application.h"
#include "platform/csvexport.h"
#include "platform/dialogs.h"
#include "platform/shellopen.h"
#include "platform/stringgrid.h"
#include "records/fileio.h"
#include "records/state.h"
#include "windows/dialogs/aboutbox.h"
#include "windows/dialogs/internetlink.h"
#include "windows/dialogs/savequestions.h"
#include "windows/main/periodgrid.h"
#include "windows/map/mapwindow.h"

#include <filesystem>
#include <system_error>

void TForm1::H2Click() {
    const std::filesystem::path help = ProgramFolder / "help.txt";
    QString name = QString::fromStdString(DisplayPath(help));
    std::error_code error;
    if (!std::filesystem::is_regular_file(help, error)) {
        ShowMessageBox(this, QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(name),
                       QString::fromUtf8(ProgramTitle), MsgIcon::Exclamation);
        return;
    }
    // The answer comes once the desktop's opener has ended; the window stays
    // in use meanwhile.
    ShellOpen(name, this, [this, name](ShellOpenResult result) {
        switch (result) {
        case ShellOpenResult::Opened:
            break;
        case ShellOpenResult::NoHandler:
            ShowMessageBox(this,
                           QStringLiteral("ヘルプファイル %1 を開くプログラムが見つかりません。\n"
                                          "テキストファイルを開くプログラムを入れてください。")
                               .arg(name),
                           QString::fromUtf8(ProgramTitle), MsgIcon::Exclamation);
            break;
        case ShellOpenResult::Failed:
            ShowMessageBox(this, QStringLiteral("ヘルプファイル %1 を開けません。").arg(name),
                           QString::fromUtf8(ProgramTitle), MsgIcon::Exclamation);
            break;
        }
    });
}

void TForm1::I1Click() {
    TForm7 form(this);
    form.RunModal();
}

void TForm1::N5Click() {
    TAboutBox box(this);
    box.RunModal();
}

void TForm1::CSVO1Click() {
    // The file holds the cells as they are on screen; nothing is committed.
    ExportCsv(this, ProgramFolder, QString::fromStdString(PeriodCsvName(CurYear, CurMonth)),
              QStringLiteral("csvﾌｧｲﾙ (*.csv)"), PeriodCsvRows(*period_));
}

void TForm1::W1Click() {
    StringGrid1->FlushEditor();
    ProgressMapCommand(ProgramFolder, *period_, *savePort_, [this] {
        TForm10 form(this);
        form.RunModal();
    });
}
