#pragma once

#include <QValidator>
#include <functional>

class QLineEdit;

// Keeps an editor's text to what its field takes: characters the field
// allows, that the files' CP932 can hold, within a byte limit counted in
// CP932 bytes. A typed key that breaks a rule is refused. Pasted or dropped
// text is cleaned instead of refused whole: refused characters are left out,
// a control character (tab, line break) becomes a blank where the field takes
// blanks, and what remains is cut at a whole character to the limit; a paste
// of which nothing remains changes nothing. Only the inserted text is judged:
// text that was already there (read from a file) stays editable even when it
// breaks these rules.
class TextValidator : public QValidator {
    Q_OBJECT
public:
    TextValidator(std::function<bool(char32_t)> allowed, int maxBytes, QLineEdit* editor);

    State validate(QString& input, int& pos) const override;

private:
    QString Cleaned(const QString& inserted) const;

    std::function<bool(char32_t)> allowed_;
    int maxBytes_;
    // The editor's text before the change being validated.
    QString accepted_;
};
