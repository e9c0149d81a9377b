#pragma once

#include "platform/dialogs.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <optional>

// Answers message boxes, save dialogs and colour pickers ahead of time. Each planned answer
// names a piece of the text it expects; the test fails when a box appears
// that was not planned, when it does not match the plan, or when a planned
// answer is left over at the end.
class PlannedAnswers {
public:
    PlannedAnswers();
    ~PlannedAnswers();
    PlannedAnswers(const PlannedAnswers&) = delete;
    PlannedAnswers& operator=(const PlannedAnswers&) = delete;

    void Box(const QString& textPart, MsgAnswer answer);
    void SaveFile(const QString& namePart, std::optional<QString> chosen);
    // A colour picker that must open at initialBgr; nothing = cancelled.
    void Color(std::uint32_t initialBgr, std::optional<std::uint32_t> chosen);

    // Every box shown so far, as "caption: text".
    const QStringList& Shown() const { return shown_; }
    // The icon of each of them.
    const QList<MsgIcon>& ShownIcons() const { return shownIcons_; }

private:
    struct PlannedBox {
        QString textPart;
        MsgAnswer answer;
    };
    struct PlannedFile {
        QString namePart;
        std::optional<QString> chosen;
    };
    struct PlannedColor {
        std::uint32_t initialBgr;
        std::optional<std::uint32_t> chosen;
    };
    std::deque<PlannedBox> boxes_;
    std::deque<PlannedFile> files_;
    std::deque<PlannedColor> colors_;
    QStringList shown_;
    QList<MsgIcon> shownIcons_;
};
