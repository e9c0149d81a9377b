#pragma once

#include "commands/savecycle.h"

#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// Answers planned ahead; the test fails on a question nobody planned.
class FakeSavePort : public SavePort {
public:
    ~FakeSavePort() override {
        EXPECT_TRUE(answers.empty()) << "a planned save answer was not used";
        EXPECT_TRUE(leavingTimes.empty()) << "a planned leaving time was not used";
    }
    Answer AskSave() override {
        ++questions;
        if (answers.empty()) {
            ADD_FAILURE() << "unplanned save question";
            return Answer::Cancel;
        }
        Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> AskLeavingTime() override {
        if (leavingTimes.empty()) {
            ADD_FAILURE() << "unplanned leaving-time dialog";
            return std::nullopt;
        }
        auto time = leavingTimes.front();
        leavingTimes.pop_front();
        return time;
    }
    void ReportWriteFailures(const std::vector<std::filesystem::path>& files) override {
        failures.insert(failures.end(), files.begin(), files.end());
        ++failureReports;
    }
    void ReportBackup(const std::filesystem::path& file, const std::filesystem::path&) override {
        backups.push_back(file);
    }
    void ReportLedgerFull(int) override { ++ledgerFull; }

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> leavingTimes;
    std::vector<std::filesystem::path> failures;
    std::vector<std::filesystem::path> backups;
    int failureReports = 0;
    int questions = 0;
    int ledgerFull = 0;
};
