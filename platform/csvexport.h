#pragma once

#include "records/csvfile.h"

#include <QString>
#include <filesystem>
#include <vector>

class QWidget;

// Exports rows as a CSV file the user names in a save dialog that starts in
// folder with proposedName and asks before replacing a file.
// False when the user cancelled (nothing is written) or the file could not
// be written, which is reported in a message box naming the file.
bool ExportCsv(QWidget* owner, const std::filesystem::path& folder, const QString& proposedName,
               const QString& filter, const std::vector<CsvRow>& rows);
