// The main grid over a month whose day file holds long remarks (a file
// edited outside the program): one cursor move with the repaint it causes,
// and a repaint of every visible cell, beside the same over a month of
// ordinary remarks. A cursor move should stay within a frame (16 ms).
//
// The main window is a real window in the X server of DISPLAY (bench/grid.sh
// runs it under xvfb-run), and each figure lasts until the X server has
// drawn what the window sent it.
#include "filledyears.h"
#include "platform/stringgrid.h"
#include "records/clock.h"
#include "records/dates.h"
#include "unlike.h"
#include "windowbench.h"
#include "windows/main/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <stdexcept>
#include <xcb/xcb.h>

namespace {

[[maybe_unused]] const bool Unlike = UnlikeTheProgram(
    "the main window is made by the benchmark rather than by the program's start-up, and keys "
    "are sent to the grid inside the process rather than through the X server");

// Returns once the X server has handled everything sent to it so far, the
// window's pictures included.
void RoundTripToTheDisplay() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// 2004 and 2003 filled; with a remark of about remarkBytes CP932 bytes on
// every day of September 2004 from the 20th (the rows around today, the
// 27th).
void WriteYears(const std::filesystem::path& folder, std::size_t remarkBytes) {
    WriteFilledYears(folder);
    if (remarkBytes == 0) {
        return;
    }
    const std::string phrase = "会議の予定、表計算。"; // 20 CP932 bytes
    std::string remark;
    remark.reserve(remarkBytes / 20 * phrase.size());
    while (remark.size() / phrase.size() * 20 < remarkBytes) {
        remark += phrase;
    }
    const int september20 = DayOfYear({2004, 9, 20});
    for (int day = september20; day <= september20 + 10; ++day) {
        YearSlot2[static_cast<std::size_t>(day)].Remark = remark;
    }
    SaveDayFile(folder, 2, 2004);
}

class OpenGrid {
public:
    explicit OpenGrid(std::size_t remarkBytes) {
        ResetProgramState();
        WriteYears(folder_.Path(), remarkBytes);
        ResetProgramState();
        ProgramFolder = folder_.Path();
        SetClockForTest(LocalDateTime{2004, 9, 27, 8, 0, 0});
        form_ = std::make_unique<TForm1>();
        form_->show();
        QElapsedTimer waited;
        waited.start();
        while (!form_->windowHandle()->isExposed()) {
            if (waited.elapsed() > 10'000) {
                throw std::runtime_error("the main window was not shown within 10 s");
            }
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        QApplication::processEvents();
        RoundTripToTheDisplay();
    }
    ~OpenGrid() {
        form_.reset();
        SetClockForTest(std::nullopt);
        ResetProgramState();
    }
    TStringGrid& Grid() { return *form_->StringGrid1; }

private:
    TempFolder folder_;
    std::unique_ptr<TForm1> form_;
};

// Down and up in turn through the rows of the long remarks, in the remark
// column (its editor opens on each) or in the arrival-time column.
void CursorMoves(benchmark::State& state, std::size_t remarkBytes, int col) {
    OpenGrid open(remarkBytes);
    TStringGrid& grid = open.Grid();
    grid.SetCurrentCell(col, 24);
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        const int key = step++ % 2 == 0 ? Qt::Key_Down : Qt::Key_Up;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(grid.OpenEditor() != nullptr
                                    ? static_cast<QWidget*>(grid.OpenEditor())
                                    : static_cast<QWidget*>(&grid),
                                &press);
        grid.viewport()->repaint(grid.visualRect(grid.currentIndex()));
        QApplication::processEvents();
        RoundTripToTheDisplay();
    }
}

void FullRepaint(benchmark::State& state, std::size_t remarkBytes) {
    OpenGrid open(remarkBytes);
    for (auto _ : state) {
        open.Grid().viewport()->repaint();
        RoundTripToTheDisplay();
    }
}

constexpr std::size_t TenMegabytes = 10'000'000 / 11; // eleven days of remarks

BENCHMARK_CAPTURE(CursorMoves, RemarkColumnLongRemarks, TenMegabytes, 9)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CursorMoves, RemarkColumnOrdinary, 0, 9)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CursorMoves, TimeColumnLongRemarks, TenMegabytes, 4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CursorMoves, TimeColumnOrdinary, 0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullRepaint, LongRemarks, TenMegabytes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullRepaint, Ordinary, 0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWindowBenchmarks(argc, argv, "xcb");
}
