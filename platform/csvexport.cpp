#include "csvexport.h"

#include "platform/dialogs.h"
#include "records/fileio.h"

#include <QDir>

bool ExportCsv(QWidget* owner, const std::filesystem::path& folder, const QString& proposedName,
               const QString& filter, const std::vector<CsvRow>& rows) {
    SaveFileRequest request;
    request.proposedPath = QDir(QString::fromStdString(folder.string())).filePath(proposedName);
    request.filter = filter;
    std::optional<QString> chosen = GetSaveFileName(owner, request);
    if (!chosen) {
        return false;
    }
    std::filesystem::path path = chosen->toStdString();
    if (WriteCsvFile(path, rows)) {
        return true;
    }
    ShowMessageBox(owner,
                   QStringLiteral("ファイル %1 を作成できません")
                       .arg(QString::fromStdString(DisplayPath(path))),
                   QStringLiteral("エラー"));
    return false;
}
