#include "controls.h"

#include "records/colors.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MakeReadOnlyBox(QWidget* parent, const char* name, int maxChars, int width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMaxLength(maxChars);
    box->setFixedWidth(width);
    return box;
}

QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    return MakeLabel(parent, QString::fromLatin1(name), QString::fromUtf8(text));
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QColor ColorFromBgr(std::uint32_t bgr) {
    return QColor(BgrRed(bgr), BgrGreen(bgr), BgrBlue(bgr));
}

std::uint32_t BgrFromColor(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}
