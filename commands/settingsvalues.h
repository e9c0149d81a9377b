#pragma once

#include "records/datafilewrite.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The settings dialog's controls as plain values, so that loading them from
// the settings block and storing them back are tested without a display:
// edit boxes as the texts they hold, radio groups as the index of the
// checked button (first = 0), lists as the chosen item, check boxes as
// their state.
class MainWindowSteps;
class PeriodView;
class SavePort;
struct TSettings;

struct SettingsControls {
    std::string Memo1;                      // closing day
    std::string Memo2, Memo3, Memo4, Memo5; // office hours, late-night window
    std::array<std::string, 5> BreakStarts; // break grid, rows 1..5, column 1
    std::array<std::string, 5> BreakEnds;   // column 2
    int StandRadio = 0;                     // RadioButton7, RadioButton8
    std::string Memo14;                     // commuting minutes
    int MovementRadio = 0;                  // RadioButton1..RadioButton3
    std::string Memo12;                     // the user's exercise item
    int ConditionRadio = 0;                 // RadioButton4..RadioButton6
    std::string Memo13;                     // the user's condition item
    std::array<std::string, 6> Thresholds;  // Memo6..Memo11
    int ComboBox2 = 0;                      // grant month, item 0 = January
    std::array<bool, 7> WeeklyRest{};       // CheckBox1..CheckBox7, Sunday first
    int AutostartRadio = 0;                 // RadioButton9, RadioButton10
    int ComboBox4 = 0;                      // automatic arrival time
    int AutoendRadio = 0;                   // RadioButton13, RadioButton14
    int ComboBox5 = 0;                      // automatic leaving time
    int DoubleClickRadio = 0;               // RadioButton11, RadioButton12
    bool CheckBox14 = false;                // start minimised
    std::string Memo15, Memo16;             // wake-up and bed time
    std::array<bool, 5> OtherFlags{};       // CheckBox9..CheckBox13

    bool operator==(const SettingsControls&) const = default;
};

// The settings block into the controls. A time box shows its setting when
// that reads as a time of day as written, else nothing. Values the lists
// cannot show are corrected in the block at once: an automatic-entry choice outside 0..2
// becomes 0, an empty colour of the first day kind becomes "clRed".
SettingsControls LoadSettingsToControls();

// The controls into a settings block (all but the colours, which the
// colour controls store at once, the window placement and the stride).
// Values that cannot be read fall back without a message. Returns 1 when
// the closing day or a weekly rest day changed, else 0.
int StoreControlsToSettings(const SettingsControls& controls, TSettings& settings);

// The closing day typed, when it is one (1..31): "登録" then sets today's
// period anew; any other text stores 31 and leaves the period as it was.
std::optional<int> TypedClosingDay(const SettingsControls& controls);

// A time box's value: the typed text as a time text when that is a time of
// day ("830" gives "8:30", "7:75" gives "8:15"), else the empty text ("24:00").
std::string TimeBoxText(std::string_view typed);

// Which controls are enabled by the radio buttons.
struct SettingsEnables {
    bool Memo12 = false;
    bool Memo13 = false;
    bool Memo14 = false;
    bool ComboBox4 = false; // and CheckBox14
    bool ComboBox5 = false;

    bool operator==(const SettingsEnables&) const = default;
};
SettingsEnables EnabledControls(const SettingsControls& controls);

// The step thresholds' labels by the exercise item: Label15, and Label16 /
// Label17 (the same text).
struct ExerciseLabels {
    const char* Label15;
    const char* Label16;
};
ExerciseLabels ExerciseThresholdLabels(int movementRadio);

// "登録": the whole settings file written with the controls' values; once
// it is written, those values into the block, today's period set anew for
// a valid closing day, and when the closing day or a weekly rest day
// changed and the calendar shown is the displayed year, the weekly rest
// days marked into each year slot whose year has no day file yet (only
// work days become rest days). A failed write changes nothing: the block,
// today's period and the slots stay as they were, so the dialog can stay
// open for another try or a cancel.
DataFileWrite ConfirmSettings(const std::filesystem::path& folder,
                              const SettingsControls& controls);

// True when the year has a day file, or when that cannot be told: such a
// year's slot keeps the kinds it has.
bool HasDayFile(const std::filesystem::path& folder, int year);

// The colour of day kind 1..10 as a Windows colour value, nothing when its
// text is no colour.
std::optional<std::uint32_t> KindColor(int kind);
// A colour chosen for day kind 1..10, into the block at once.
void SetKindColor(int kind, std::uint32_t bgr);

// The main window's "環境設定" (SettingsCommand) with openWindow running the
// dialog. The colours and the holiday calendar's "保存" act at once, so the
// kind column is read again from the year slots and the grid repainted also
// when the dialog was cancelled; otherwise the next store would put the old
// kinds back. True when the dialog was confirmed.
bool RunSettingsCommand(const std::filesystem::path& folder, PeriodView& view, SavePort& port,
                        MainWindowSteps& window, const std::function<bool()>& openWindow);
