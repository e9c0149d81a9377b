#include "plannedanswers.h"

#include <gtest/gtest.h>

PlannedAnswers::PlannedAnswers() {
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        shown_ << request.caption + QStringLiteral(": ") + request.text;
        shownIcons_ << request.icon;
        if (boxes_.empty()) {
            ADD_FAILURE() << "unplanned message box: " << request.caption.toStdString() << ": "
                          << request.text.toStdString();
            return MsgAnswer::Cancel;
        }
        PlannedBox planned = boxes_.front();
        boxes_.pop_front();
        EXPECT_TRUE(request.text.contains(planned.textPart))
            << "expected a box with \"" << planned.textPart.toStdString() << "\", got \""
            << request.text.toStdString() << "\"";
        return planned.answer;
    });
    SetSaveFileHook([this](const SaveFileRequest& request) -> std::optional<QString> {
        if (files_.empty()) {
            ADD_FAILURE() << "unplanned save dialog: " << request.proposedPath.toStdString();
            return std::nullopt;
        }
        PlannedFile planned = files_.front();
        files_.pop_front();
        EXPECT_TRUE(request.proposedPath.contains(planned.namePart))
            << "save dialog proposed " << request.proposedPath.toStdString();
        return planned.chosen;
    });
    SetColorHook([this](std::uint32_t initialBgr) -> std::optional<std::uint32_t> {
        if (colors_.empty()) {
            ADD_FAILURE() << "unplanned colour picker";
            return std::nullopt;
        }
        PlannedColor planned = colors_.front();
        colors_.pop_front();
        EXPECT_EQ(initialBgr, planned.initialBgr) << "colour picker opened at another colour";
        return planned.chosen;
    });
}

PlannedAnswers::~PlannedAnswers() {
    SetMessageBoxHook({});
    SetSaveFileHook({});
    SetColorHook({});
    EXPECT_TRUE(boxes_.empty()) << boxes_.size() << " planned message box(es) never appeared";
    EXPECT_TRUE(files_.empty()) << files_.size() << " planned save dialog(s) never appeared";
    EXPECT_TRUE(colors_.empty()) << colors_.size() << " planned colour picker(s) never appeared";
}

void PlannedAnswers::Box(const QString& textPart, MsgAnswer answer) {
    boxes_.push_back({textPart, answer});
}

void PlannedAnswers::SaveFile(const QString& namePart, std::optional<QString> chosen) {
    files_.push_back({namePart, std::move(chosen)});
}

void PlannedAnswers::Color(std::uint32_t initialBgr, std::optional<std::uint32_t> chosen) {
    colors_.push_back({initialBgr, chosen});
}
