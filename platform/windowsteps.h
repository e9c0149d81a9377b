#pragma once

#include <QSize>

class QPoint;
class QRect;
class QWidget;

// Steps every window shares.

// Minimises the program as a whole: every top-level window on the display is
// minimised; a running modal dialog is minimised too, never hidden, so that
// its exec() keeps running. With a notification icon the main window is
// hidden instead, leaving only the icon. A window still waiting to reach the
// display (its show handler runs a dialog first) is left alone, so that it
// opens normal. Esc does this, and so does the window manager's minimise of
// any window while a modal window runs.
void MinimizeApplication();

// Brings every minimised window of the program back, the main window first
// and an open modal dialog in front of it (the notification icon's restore).
void RestoreApplication();

// From now on, restoring any one window of the program from the task bar
// restores all of them, as the notification icon does, and while a modal
// window runs, the window manager's minimise of any window minimises the
// whole program. Called once at start.
void KeepWindowsTogether();

// Lets the user resize the window between minimum and maximum, the maximum
// cut down to the available screen but never below the minimum.
void LimitWindowSize(QWidget* window, QSize minimum, QSize maximum);

// Fixes the window at its present size and takes away its size grip, so the
// user cannot resize it; its title bar asks for a close button only.
void RemoveSizeCommand(QWidget* window);

// Asks the window manager for a title bar with a close button only, no
// minimise or maximise button: for windows of a fixed size.
void AskForCloseButtonOnly(QWidget* window);

// Moves the window, keeping its size, so that its frame is centred over the
// main window's: x = L + (W - w) / 2, y = T + (H - h) / 2, halves truncated
// toward zero; then clamped into the available screen so that no part is
// lost off its edges. A window not yet framed by the window manager is
// measured with the main window's frame. Without a main window nothing moves.
void CenterOnMainWindow(QWidget* window);

// Where a window's frame lies within the available area of its screen (the
// one under its centre, else the primary one): moved in from the edges as
// far as it fits; when it is larger, its top left stays in view.
QPoint KeepOnScreen(const QRect& frame);
