#pragma once

// Steps every window shares.

// Minimises the program as a whole: every visible top-level window is
// minimised; a running modal dialog is minimised too, never hidden, so that
// its exec() keeps running.
void MinimizeOnEscape();

// Brings every minimised window of the program back and the main window to
// the front (the notification icon's restore).
void RestoreApplication();
