#include "modalform.h"

#include "platform/windowsteps.h"
#include "records/state.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

namespace {

std::function<bool()>& EscapeMinimizesQuery() {
    static std::function<bool()> query;
    return query;
}

} // namespace

void SetEscapeMinimizesQuery(std::function<bool()> query) {
    EscapeMinimizesQuery() = std::move(query);
}

TModalForm::TModalForm(QWidget* owner) : QDialog(owner) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

bool TModalForm::RunModal() {
    confirmed_ = false;
    DialogResult = 0;
    exec();
    return DialogResult == 1;
}

void TModalForm::ConfirmAndClose() {
    confirmed_ = true;
    DialogResult = 1;
    accept();
}

void TModalForm::CancelAndClose() {
    confirmed_ = false;
    DialogResult = 0;
    reject();
}

void TModalForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!firstShown_) {
        firstShown_ = true;
        FirstShow();
    }
}

void TModalForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (escapeMinimizes_ && EscapeMinimizesQuery() && EscapeMinimizesQuery()()) {
            MinimizeApplication();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TModalForm::closeEvent(QCloseEvent* event) {
    if (!confirmed_) {
        DialogResult = 0;
    }
    QDialog::closeEvent(event);
}
