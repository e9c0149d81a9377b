#pragma once

#include <filesystem>
#include <memory>

class QPrinter;
class QWidget;
enum class DayChartKind;
struct DayChart;
struct LifeChart;
struct ReportLayout;

// The chart windows and everything that talks to the print system
// (windows/printingmodule/). The program loads them as a module beside it
// the first time they are needed, so that it starts without the chart
// library and the print system's libraries; tests link them in.
struct PrintingEntries {
    // After the print dialog, prints the report on printer, which is made
    // on the first print and kept for the next so the dialog remembers the
    // user's choices. False, doing nothing, when there is no real printer.
    bool (*printReport)(QWidget* owner, const ReportLayout& layout,
                        const std::filesystem::path& pdfFolder, std::shared_ptr<QPrinter>& printer);
    // The month summary's day chart of that kind, until the user closes it.
    void (*showDayChart)(QWidget* owner, DayChartKind kind, const DayChart& chart);
    // The 12-month summary's life distribution chart, until the user closes it.
    void (*showLifeChart)(QWidget* owner, const LifeChart& chart);
    // Prints what the window shows below its menu bar, after the print dialog.
    void (*printMapWindow)(QWidget* window);
};

// The entries; nullptr when the module cannot be loaded, once a message box
// over owner has said so.
const PrintingEntries* Printing(QWidget* owner);

// The table as the module hands it out.
extern "C" const PrintingEntries* TolmarPrintingEntries();

// For a process that links the module's code in (the tests): Printing()
// gives these entries from now on and loads no module.
void UsePrintingLinkedIn(const PrintingEntries* entries);

// The module's file name, beside the program.
inline constexpr const char* PrintingModuleName = "tolmar-printing.so";
