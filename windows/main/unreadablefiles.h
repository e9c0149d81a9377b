#pragma once

class QWidget;

// Tells the user, in one message box, about the data files found since the
// last call that could not be read whole (each file once per run), and what
// will happen to each: a file that cannot be read is left alone, a file in a
// form the program does not know or that does not fit its year is kept under
// a backup name by the save that replaces it, and a holiday file only by the
// holiday calendar's own save. Nothing when there are none. Called after the
// year slots were loaded.
void ReportUnreadableFiles(QWidget* owner);
