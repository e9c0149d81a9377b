#include "unreadablefiles.h"

#include "platform/application.h"
#include "platform/dialogs.h"
#include "records/fileio.h"
#include "records/filenotices.h"

#include <QStringList>

void ReportUnreadableFiles(QWidget* owner) {
    QStringList names;
    for (const std::filesystem::path& file : TakeUnreadableFiles()) {
        names << QString::fromStdString(DisplayPath(file));
    }
    if (names.isEmpty()) {
        return;
    }
    ShowMessageBox(owner,
                   QStringLiteral("次のファイルは読み取れない形式のため、読み込みませんでした。"
                                  "ファイルは消さずに残します。保存するときは、元の内容を"
                                  "別の名前で残してから新しいファイルを書きます。\n\n%1")
                       .arg(names.join(QLatin1Char('\n'))),
                   QString::fromUtf8(ProgramTitle), MsgIcon::Exclamation);
}
