#include "savequestions.h"

#include "platform/dialogs.h"
#include "records/fileio.h"
#include "records/state.h"
#include "windows/dialogs/leavingtimedialog.h"

#include <QStringList>

namespace {

QString FileText(const std::filesystem::path& file) {
    return QString::fromStdString(DisplayPath(file));
}

} // namespace

SavePort::Answer AskSaveQuestion(QWidget* owner, const QString& text) {
    switch (ShowMessageBox(owner, text, QStringLiteral("保存確認"), MsgIcon::Question,
                           MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        return SavePort::Answer::Yes;
    case MsgAnswer::No:
        return SavePort::Answer::No;
    default:
        return SavePort::Answer::Cancel;
    }
}

SavePort::Answer MainSavePort::AskSave() {
    return AskSaveQuestion(owner_, QStringLiteral("データが変更されています。保存しますか？"));
}

std::optional<std::string> MainSavePort::AskLeavingTime() {
    TForm9 form(owner_);
    if (!form.RunModal()) {
        return std::nullopt;
    }
    return LeavingTime;
}

void MainSavePort::ReportWriteFailures(const std::vector<std::filesystem::path>& files) {
    QStringList names;
    for (const std::filesystem::path& file : files) {
        names << FileText(file);
    }
    ShowMessageBox(
        owner_,
        QStringLiteral("ファイル %1 を作成できません").arg(names.join(QStringLiteral("、"))),
        QStringLiteral("エラー"));
}

void MainSavePort::ReportBackup(const std::filesystem::path& file,
                                const std::filesystem::path& backup) {
    DataFileWrite write;
    write.path = file;
    write.backup = backup;
    ReportBackups({write});
}

void MainSavePort::ReportBackups(const std::vector<DataFileWrite>& writes) {
    QStringList lines;
    for (const DataFileWrite& write : writes) {
        QString line = QStringLiteral("%1 → %2").arg(FileText(write.path), FileText(write.backup));
        if (write.changedOutside) {
            line += QStringLiteral("（読み込んだ後にほかのプログラムが変更していました）");
        }
        lines << line;
    }
    ShowMessageBox(owner_,
                   QStringLiteral("次のファイルには、新しいファイルに入らない内容"
                                  "（ほかのプログラムによる変更、読み取れない形式、途中で切れた"
                                  "内容、年に合わない行、読み込まなかった行、行き先のない備考、"
                                  "数値として読めない値など）があったため、"
                                  "元の内容を右の名前で残してから保存しました。\n\n%1")
                       .arg(lines.join(QLatin1Char('\n'))),
                   QStringLiteral("保存確認"), MsgIcon::Information);
}

void MainSavePort::ReportLedgerFull(int year) {
    ShowMessageBox(
        owner_,
        QStringLiteral("%1年の有給休暇が100件を超えたため、101件目以降は記録されません。")
            .arg(year),
        QStringLiteral("保存確認"), MsgIcon::Exclamation);
}
