#pragma once

class QWidget;

// The main window, for centring dialogs over it and for captions; set by
// the main window's show step.
QWidget* MainWindowHandle();
void SetMainWindowHandle(QWidget* window);
