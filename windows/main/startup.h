#pragma once

// The program's entry: single instance, settings, main window, event loop.
// Returns 1 for a second copy and after a fatal error, else 0.
int WinMain(int argc, char** argv);

// Hands the platform layer the settings it asks about while the program
// runs (Esc minimising from a modal form).
void ConnectPlatformToSettings();
