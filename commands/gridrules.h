#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the main grid allows and shows per column, as plain functions of the
// settings and a row's texts, so the window only has to ask.

// Column 2 takes no typed key at all; times take digits, ":", "," and ".";
// the exercise digits; the condition digits and "."; the remark anything.
// Control characters (Backspace, Ctrl combinations) pass columns 3 to 8.
bool GridKeyAllowed(int col, char32_t ch);

// Longest text the editor of a column takes, in CP932 bytes; 0 = no editing.
int GridEditByteLimit(int col);

// The hint of a data cell; headerTitle is the column's title as shown.
std::string GridHint(int col, const std::string& headerTitle);

struct CellColors {
    std::optional<std::uint32_t> background; // 0x00BBGGRR; none = the grid's own
    std::optional<std::uint32_t> text;
};

// Colours of data cell (col, row) from the row's weekday and kind cells and
// the cell's own text, by the colour settings: the lowest matching colour
// category wins, so a marked day kind beats the weekend colour.
CellColors GridCellColors(int col, const std::string& weekday, const std::string& kind,
                          const std::string& cellText);

// The next day kind of a double-clicked kind cell: work day, 休日, 年休, ...,
// 後欠 and back to the work day. A text that is no day kind becomes the work
// day.
std::string NextLeaveKind(const std::string& cellText);

// 0 = the scheduled time, 1 = the current time, for a double-click by the
// "DoubleClick" setting and the Shift key.
int StampMode(int doubleClickSetting, bool shift);

// The text a time cell gets: mode 1 the current time "hh:mm"; mode 0 the
// column's scheduled time when it is a time of day, else "".
std::string TimeCellStamp(int mode, int col);

// The current local time as "h:nn" (8:05, 17:30).
std::string ClockText();
