#pragma once

#include "commands/savecycle.h"

class QString;
class QWidget;

// A save question with はい / いいえ / キャンセル under the caption "保存確認".
SavePort::Answer AskSaveQuestion(QWidget* owner, const QString& text);

// The save cycle's questions and messages as message boxes and the
// leaving-time dialog.
class MainSavePort : public SavePort {
public:
    explicit MainSavePort(QWidget* owner) : owner_(owner) {}

    Answer AskSave() override;
    std::optional<std::string> AskLeavingTime() override;
    void ReportWriteFailures(const std::vector<std::filesystem::path>& files) override;
    void ReportBackup(const std::filesystem::path& file,
                      const std::filesystem::path& backup) override;
    void ReportBackups(const std::vector<DataFileWrite>& writes) override;
    void ReportLedgerFull(int year) override;

private:
    QWidget* owner_;
};
