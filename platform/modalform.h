#pragma once

#include <QDialog>
#include <functional>

// Base of every secondary window. It is created by its command, shown
// modally and destroyed right after; it hands its outcome back through the
// program-wide DialogResult: 1 when confirmed, 0 otherwise (also when closed
// by the title bar's close box).
//
// Esc never closes it: while the escape query answers true (the program's
// "Escflg" setting), Esc minimises the whole program and the dialog stays
// open and modal; otherwise Esc does nothing.
class TModalForm : public QDialog {
    Q_OBJECT
public:
    explicit TModalForm(QWidget* owner);

    // Shows the form modally; true when it was confirmed.
    bool RunModal();

    // The confirm and cancel buttons' endings.
    void ConfirmAndClose();
    void CancelAndClose();

protected:
    // Windows that must not minimise on Esc (the leaving-time dialog) turn
    // this off.
    void SetEscapeMinimizes(bool on) { escapeMinimizes_ = on; }

    // Runs once, at the form's first show. Restoring the minimised program
    // shows the form again, and what the user has done in it so far stays.
    virtual void FirstShow() {}

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool firstShown_ = false;
    bool escapeMinimizes_ = true;
    bool confirmed_ = false;
};

// Asked at every Esc in a modal form; the setting changes while the program
// runs, so the forms ask rather than keep a copy. Without a query Esc does
// nothing.
void SetEscapeMinimizesQuery(std::function<bool()> query);
