#pragma once

class QPushButton;
class QWidget;

// A push button as the windows of this program use them: named for tests,
// with its hint, and never an automatic default button, so Enter in a field
// does not press it.
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint);
