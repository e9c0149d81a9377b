#pragma once

#include <QIcon>

// The program's icon for the windows and the notification area, drawn in
// code so that no image file has to travel with the program.
QIcon ProgramIcon();
