#pragma once

class QWidget;

// Tells the user, in one message box, about the data files found since the
// last call that could not be read (each file once per run): the year is
// shown as if they were missing, and they are kept. Nothing when there are
// none. Called after the year slots were loaded.
void ReportUnreadableFiles(QWidget* owner);
