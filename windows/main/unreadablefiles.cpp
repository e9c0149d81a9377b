#include "unreadablefiles.h"

#include "platform/application.h"
#include "platform/dialogs.h"
#include "records/fileio.h"
#include "records/filenotices.h"

#include <QStringList>
#include <string_view>

namespace {

bool EndsWith(const std::filesystem::path& file, std::string_view end) {
    return std::string_view(file.filename().native()).ends_with(end);
}

QString NoticeFor(const FileNotice& notice) {
    const QString name = QString::fromStdString(DisplayPath(notice.file));
    if (!notice.key.empty()) {
        return QStringLiteral("%1\n  「%2」の値が数値として読めないため、0 として読み込みました。"
                              "次に保存するとき、元の内容を別の名前で残してから新しいファイルを"
                              "書きます。")
            .arg(name, QString::fromStdString(notice.key));
    }
    if (notice.state == FileState::Unreadable) {
        return QStringLiteral(
                   "%1\n  読み取れないファイル（フォルダ、特殊なファイル、たどれないリンク、"
                   "読み取り権限なしなど）です。そのまま残し、上書きしません。"
                   "このファイルへの保存はできません。")
            .arg(name);
    }
    // "2004H.dat": the holiday file, which only the holiday calendar writes.
    if (EndsWith(notice.file, "H.dat")) {
        return QStringLiteral("%1\n  読み取れない形式か年に合わない行があるため、読み込みません"
                              "でした。このファイルを書き直すのは「環境設定」の年間休日カレンダーの"
                              "「保存」だけで、そのときに元の内容を別の名前で残します。")
            .arg(name);
    }
    if (notice.state == FileState::DoesNotFit) {
        return QStringLiteral("%1\n  年の日数より行が多いか、日付が行の位置と合いません。行の順に"
                              "年の日数まで読み込みました。次に保存するとき、元の内容を別の名前"
                              "で残してから新しいファイルを書きます。")
            .arg(name);
    }
    QString text = QStringLiteral("%1\n  読み取れない形式のため、読み込みませんでした。次に保存"
                                  "するとき、元の内容を別の名前で残してから新しいファイルを"
                                  "書きます。")
                       .arg(name);
    if (!EndsWith(notice.file, "V.dat")) {
        text += QStringLiteral("その年の有給休暇ファイルは書き直さず、そのまま残します。");
    }
    return text;
}

} // namespace

void ReportUnreadableFiles(QWidget* owner) {
    QStringList notices;
    for (const FileNotice& notice : TakeUnreadableFiles()) {
        notices << NoticeFor(notice);
    }
    if (notices.isEmpty()) {
        return;
    }
    ShowMessageBox(owner,
                   QStringLiteral("次のファイルはそのままでは読み込めませんでした。\n\n%1")
                       .arg(notices.join(QStringLiteral("\n\n"))),
                   QString::fromUtf8(ProgramTitle), MsgIcon::Exclamation);
}
