#include "textvalidator.h"

#include "records/cp932.h"

#include <QLineEdit>

namespace {

int Cp932Bytes(const QString& text) {
    return static_cast<int>(Cp932ByteLength(text.toStdString()));
}

int RefusedCharacterCount(const QString& text, const std::function<bool(char32_t)>& allowed) {
    int refused = 0;
    for (char32_t ch : text.toUcs4()) {
        std::string utf8 = QString::fromUcs4(&ch, 1).toStdString();
        if (!allowed(ch) || !IsCp932Representable(utf8)) {
            ++refused;
        }
    }
    return refused;
}

} // namespace

TextValidator::TextValidator(std::function<bool(char32_t)> allowed, int maxBytes, QLineEdit* editor)
    : QValidator(editor), allowed_(std::move(allowed)), maxBytes_(maxBytes),
      accepted_(editor->text()) {
    connect(editor, &QLineEdit::textChanged, this,
            [this](const QString& text) { accepted_ = text; });
}

QValidator::State TextValidator::validate(QString& input, int&) const {
    const QString& before = accepted_;
    if (RefusedCharacterCount(input, allowed_) > RefusedCharacterCount(before, allowed_)) {
        return Invalid;
    }
    int bytes = Cp932Bytes(input);
    if (bytes > maxBytes_ && bytes > Cp932Bytes(before)) {
        return Invalid;
    }
    return Acceptable;
}
