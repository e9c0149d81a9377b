#pragma once

#include <QValidator>
#include <functional>

class QLineEdit;

// Refuses, as the user types or pastes, a character the field does not take,
// a character that the files' CP932 cannot hold, and text beyond a byte
// limit counted in CP932 bytes. Text that was already there (read from a
// file) stays editable even when it breaks these rules: an edit is refused
// only when it makes things worse.
class TextValidator : public QValidator {
    Q_OBJECT
public:
    TextValidator(std::function<bool(char32_t)> allowed, int maxBytes, QLineEdit* editor);

    State validate(QString& input, int& pos) const override;

private:
    std::function<bool(char32_t)> allowed_;
    int maxBytes_;
    // The editor's text before the change being validated.
    QString accepted_;
};
