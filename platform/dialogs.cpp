#include "dialogs.h"

#include "platform/controls.h"
#include "platform/windowsteps.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>

namespace {

MessageBoxHook& BoxHook() {
    static MessageBoxHook hook;
    return hook;
}

SaveFileHook& FileHook() {
    static SaveFileHook hook;
    return hook;
}

ColorHook& PickerHook() {
    static ColorHook hook;
    return hook;
}

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Stop:
        return QMessageBox::Critical;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MsgAnswer FromQtButton(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    default:
        return MsgAnswer::Cancel;
    }
}

} // namespace

MsgAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& caption, MsgIcon icon,
                         MsgButtons buttons) {
    if (BoxHook()) {
        return BoxHook()({text, caption, icon, buttons});
    }
    QMessageBox box(ToQtIcon(icon), caption, text, ToQtButtons(buttons), parent);
    AskForCloseButtonOnly(&box);
    if (buttons == MsgButtons::YesNo) {
        box.setEscapeButton(QMessageBox::No);
    }
    int result = box.exec();
    // A box with only "OK" closed by its close box still means OK.
    if (buttons == MsgButtons::Ok) {
        return MsgAnswer::Ok;
    }
    return FromQtButton(result);
}

std::optional<QString> GetSaveFileName(QWidget* parent, const SaveFileRequest& request) {
    if (FileHook()) {
        return FileHook()(request);
    }
    QFileDialog dialog(parent, request.caption, request.proposedPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.resize(760, 460);
    // The size, type and date columns as wide as their texts, the name
    // column takes the rest.
    for (QTreeView* list : dialog.findChildren<QTreeView*>()) {
        QHeaderView* header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<std::uint32_t> PickColor(QWidget* parent, std::uint32_t initialBgr) {
    if (PickerHook()) {
        return PickerHook()(initialBgr);
    }
    QColor chosen = QColorDialog::getColor(ColorFromBgr(initialBgr), parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return BgrFromColor(chosen);
}

void SetMessageBoxHook(MessageBoxHook hook) {
    BoxHook() = std::move(hook);
}

void SetSaveFileHook(SaveFileHook hook) {
    FileHook() = std::move(hook);
}

void SetColorHook(ColorHook hook) {
    PickerHook() = std::move(hook);
}
