#include "textvalidator.h"

#include "records/cp932.h"

#include <QLineEdit>
#include <algorithm>

namespace {

std::size_t Cp932Bytes(const QString& text) {
    return Cp932ByteLength(text.toStdString());
}

bool IsControl(char32_t ch) {
    return ch < 0x20 || (ch >= 0x7F && ch < 0xA0);
}

} // namespace

TextValidator::TextValidator(std::function<bool(char32_t)> allowed, int maxBytes, QLineEdit* editor)
    : QValidator(editor), allowed_(std::move(allowed)), maxBytes_(maxBytes),
      accepted_(editor->text()) {
    connect(editor, &QLineEdit::textChanged, this,
            [this](const QString& text) { accepted_ = text; });
}

QString TextValidator::Cleaned(const QString& inserted) const {
    QString cleaned;
    for (char32_t ch : inserted.toUcs4()) {
        if (IsControl(ch)) {
            // Keys such as Backspace pass the key filters, but as text a
            // control character is never kept.
            if (!allowed_(U' ')) {
                continue;
            }
            ch = U' ';
        }
        QString character = QString::fromUcs4(&ch, 1);
        if (allowed_(ch) && IsCp932Representable(character.toStdString())) {
            cleaned += character;
        }
    }
    return cleaned;
}

QValidator::State TextValidator::validate(QString& input, int& pos) const {
    const QString& before = accepted_;
    // The edit replaced the middle of the old text by the middle of the new
    // one; the caret stands at the end of what was inserted.
    const qsizetype caret = std::clamp<qsizetype>(pos, 0, input.size());
    const qsizetype common = std::min(before.size(), input.size());
    qsizetype suffix = 0;
    while (suffix < std::min(common, input.size() - caret) &&
           before[before.size() - 1 - suffix] == input[input.size() - 1 - suffix]) {
        ++suffix;
    }
    qsizetype prefix = 0;
    while (prefix < common - suffix && before[prefix] == input[prefix]) {
        ++prefix;
    }
    if (prefix > 0 && input[prefix - 1].isHighSurrogate()) {
        --prefix;
    }
    if (suffix > 0 && input[input.size() - suffix].isLowSurrogate()) {
        --suffix;
    }
    const QString inserted = input.mid(prefix, input.size() - prefix - suffix);
    if (inserted.isEmpty()) {
        return Acceptable; // taking text away never breaks a rule
    }
    const QString kept = input.left(prefix) + input.right(suffix);
    const std::size_t limit =
        std::max(static_cast<std::size_t>(std::max(maxBytes_, 0)), Cp932Bytes(before));
    const std::size_t keptBytes = Cp932Bytes(kept);
    const std::size_t room = limit > keptBytes ? limit - keptBytes : 0;
    const QString taken =
        QString::fromStdString(CutToCp932Bytes(Cleaned(inserted).toStdString(), room));
    if (taken.isEmpty()) {
        return Invalid; // the edit is undone whole
    }
    if (taken != inserted) {
        input = input.left(prefix) + taken + input.right(suffix);
        pos = static_cast<int>(prefix + taken.size());
    }
    return Acceptable;
}
