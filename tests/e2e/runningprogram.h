#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Keeps every program the tests start (the program under test, the window
// manager, the tray, the X tools) off any session bus. Called first thing.
void LeaveTheSessionBus();

// The real program, copied into a program folder of the test's own and
// started there as a separate process in the test's X server.
class RunningProgram {
public:
    // Copies the binary under test (TOLMAR_BINARY) into folder.
    static void Install(const std::filesystem::path& folder);

    // Starts folder/tolmar with runtimeFolder as the user's runtime folder,
    // where the single-instance lock lives. With a fake time ("2005-03-15
    // 10:00:00") the program's clock starts there (through faketime). A
    // fake time that is a file's absolute path takes the time from that
    // file ("@2005-03-15 17:00:00"), read again whenever the program looks,
    // so that the test can move the clock while the program runs.
    RunningProgram(const std::filesystem::path& folder, const std::filesystem::path& runtimeFolder,
                   const std::string& fakeTime = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The exit code once the process has ended within the time, else nothing.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit);

    // The X window id of the program's main window once it is visible.
    std::optional<std::string> WaitForWindow(std::chrono::milliseconds limit);

    // The main window once it is visible, told from the notification icon
    // (which carries the same name and class) by its size.
    std::optional<std::string> WaitForMainWindow(std::chrono::milliseconds limit);

    // The program's notification icon once a system tray shows it.
    std::optional<std::string> WaitForTrayIcon(std::chrono::milliseconds limit);

private:
    std::optional<std::string> WaitForVisible(bool small, std::chrono::milliseconds limit);

    int pid_ = -1;
    std::optional<int> exitCode_;
};

// Where a window is: its frame's top left corner on the screen (the window's
// own corner where no window manager frames it) and its inner size. All zero
// for a window that is not on screen. Equal placements have equal corners
// and sizes.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int frameBottom = 0; // the screen row just below the frame
    int frameRight = 0;  // the screen column just right of the frame
    bool operator==(const WindowPlacement& other) const {
        return left == other.left && top == other.top && width == other.width &&
               height == other.height;
    }
};
WindowPlacement PlacementOf(const std::string& window);
// The placement once a window manager has framed the window (it does so
// after the window is mapped) and nothing moves any more.
WindowPlacement SettledPlacement(const std::string& window);
std::ostream& operator<<(std::ostream& out, const WindowPlacement& place);

// Writes folder/tolmar.ini: the defaults as the program writes them (the
// golden file), with the given keys set to other values.
void WriteSettings(const std::filesystem::path& folder,
                   const std::vector<std::pair<std::string, std::string>>& values);
// The value of a key in folder/tolmar.ini.
std::string SettingsValue(const std::filesystem::path& folder, const std::string& key);

// Chooses a menu bar item by keyboard, as a user would: Alt with the menu's
// underlined letter, then, once the menu is on screen, the item's letter;
// returns once the menu has closed again. False when the menu did not open
// or close.
bool ChooseMenuItem(const std::string& window, const std::string& menu, const std::string& item);

// The main window's "ﾌｧｲﾙ(&F)" -> "終了(&X)" and "保存(&S)".
void ChooseEnd(const std::string& window);
void ChooseSave(const std::string& window);

// The ids of the program's visible windows (menus included), one a line.
std::string VisibleProgramWindows();

// A visible window of the program that is not among the ids before (one a
// line, as VisibleProgramWindows gives them), or "".
std::string NewProgramWindow(const std::string& before);

// Types into the focused window of the program, as a user would.
void TypeKeys(const std::string& window, const std::string& xdotoolArguments);

// A click at a point of a window, relative to its top left corner: for
// controls without a keyboard letter in dialogs of a fixed size.
void ClickInWindow(const std::string& window, int x, int y);

// The text of the grid's open cell editor, copied through the clipboard
// (cleared first, so that the copy is waited for).
std::string CopyCurrentCell(const std::string& window);

// Whether done() holds within the time, asked again every 100 ms.
bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit);

// The X window id of the last visible window whose title matches the
// pattern, or "" when there is none.
std::string ShownWindow(const std::string& titlePattern);

// Runs a shell command and returns what it printed, trailing newline removed.
std::string RunCommand(const std::string& command);
