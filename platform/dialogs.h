#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// Message boxes and file dialogs go through here, so that a test can answer
// them ahead of time: with a hook installed no real dialog is shown and the
// hook gives the answer.

enum class MsgIcon { None, Question, Exclamation, Stop, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString caption;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

MsgAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption,
                         MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok);

struct SaveFileRequest {
    QString caption;
    QString proposedPath; // folder and default file name
    QString filter;       // Qt filter text, e.g. "csvﾌｧｲﾙ (*.csv)"
};

// The chosen path, or nothing when the user cancelled. Asks before
// overwriting an existing file.
std::optional<QString> GetSaveFileName(QWidget* parent, const SaveFileRequest& request);

// The colour picker, starting at a Windows colour value; the chosen colour
// as a Windows colour value, or nothing when the user cancelled.
std::optional<std::uint32_t> PickColor(QWidget* parent, std::uint32_t initialBgr);

using MessageBoxHook = std::function<MsgAnswer(const MessageBoxRequest&)>;
using SaveFileHook = std::function<std::optional<QString>(const SaveFileRequest&)>;
using ColorHook = std::function<std::optional<std::uint32_t>(std::uint32_t initialBgr)>;

// An empty hook shows real dialogs again.
void SetMessageBoxHook(MessageBoxHook hook);
void SetSaveFileHook(SaveFileHook hook);
void SetColorHook(ColorHook hook);
