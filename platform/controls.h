#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;

// A push button as the windows of this program use them: named for tests,
// with its hint, and never an automatic default button, so Enter in a field
// does not press it.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint);

// A read-only box for a number shown beside a label (year, month), right
// aligned, at most maxChars characters, width pixels wide.
QLineEdit* MakeReadOnlyBox(QWidget* parent, const char* name, int maxChars, int width);

// A menu item named for tests.
QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption);

// A label named for tests.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text = "");
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text);

// Colours as the settings hold them: Windows colour values 0x00BBGGRR.
QColor ColorFromBgr(std::uint32_t bgr);
std::uint32_t BgrFromColor(const QColor& color);
