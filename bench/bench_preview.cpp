// The preview of the longest report (the paid-leave ledger at its full 100
// records, three pages) against the program's start. Each round starts the
// program and times it from outside as bench_startclock does, then starts a
// process of its own that runs the program's own start-up over the same
// program folder, opens the ledger window by the main window's command and
// chooses the ledger window's print command once, the first time in that
// process as after a start. It times from that command to the preview
// window being on screen, to its first page painted and to its last paint.
//
//   bench_preview [--runs N] [--env NAME=VALUE]... PROGRAM
//
// This benchmark lies beside PROGRAM, whose folder holds the data files: the
// program's start-up takes the folder of the running executable. It writes
// a hundred days of paid leave into 2004 there first. Needs an X server of
// its own (DISPLAY) with no window manager; bench/preview.sh provides both.
#include "platform/reportpageview.h"
#include "platform/reportpreview.h"
#include "records/dayfile.h"
#include "records/state.h"
#include "records/vacation.h"
#include "records/yearslots.h"
#include "windows/ledger/ledgerwindow.h"
#include "windows/main/mainwindow.h"
#include "windows/main/startup.h"
#include "xwatch.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Watches the preview from inside: when its window is exposed, when the
// page view has finished the first paint with a page in view and its last
// paint, and how many pages that first paint had in view. Closes the preview
// once it has been still for a while.
class PreviewClock : public QObject {
public:
    explicit PreviewClock(Clock::time_point start) : start_(start) {
        quiet_.setSingleShot(true);
        quiet_.setInterval(300);
        connect(&quiet_, &QTimer::timeout, this, [] {
            if (QWidget* preview = QApplication::activeModalWidget()) {
                preview->close();
            }
        });
    }

    double mapMs = 0;
    double firstPageMs = 0;
    double lastPaintMs = 0;
    int pagesInFirstPaint = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && mapMs == 0) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window != nullptr && window->objectName().startsWith(ReportPreviewName)) {
                mapMs = Since();
            }
        }
        auto* view = watched->parent() != nullptr ? qobject_cast<ReportPageView*>(watched->parent())
                                                  : nullptr;
        if (event->type() == QEvent::Paint && view != nullptr && watched == view->viewport()) {
            const int pages = static_cast<int>(view->PagesIn(view->viewport()->rect()).size());
            const bool firstPage = pages > 0 && !pagePainted_;
            if (firstPage) {
                pagePainted_ = true;
                pagesInFirstPaint = pages;
            }
            // Posted from the paint, the timer runs once it is done.
            QTimer::singleShot(0, this, [this, firstPage] {
                if (firstPage) {
                    firstPageMs = Since();
                }
                lastPaintMs = Since();
                quiet_.start();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    double Since() const {
        return std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
    }

    Clock::time_point start_;
    bool pagePainted_ = false;
    QTimer quiet_;
};

// 2004 with a hundred days of paid leave, saved as the program saves a year:
// its ledger is full and its printed list runs to three pages.
void WriteFullLedgerYear(const std::filesystem::path& folder) {
    ResetProgramState();
    CurYear = 2004;
    LoadYearSlots(folder, 2004);
    const std::string& leave = DayKindText(DayKind::AnnualLeave);
    int leaveDays = 0;
    for (int d = 1; d <= 366; ++d) {
        leaveDays += YearSlot2[static_cast<std::size_t>(d)].Kind == leave ? 1 : 0;
    }
    for (int d = 1; d <= 366 && leaveDays < MaxVacationRecords; ++d) {
        Recode1& day = YearSlot2[static_cast<std::size_t>(d)];
        if (day.Kind.empty()) {
            Recode1 leaveDay;
            leaveDay.Date = day.Date;
            leaveDay.Weekday = day.Weekday;
            leaveDay.Kind = leave;
            day = leaveDay;
            ++leaveDays;
        }
    }
    SaveDayFile(folder, 2, 2004);
    RebuildVacationLedger(folder, 2, 2004);
    SaveVacationFile(folder, 2004);
    ResetProgramState();
}

// Calls then(window) once find() gives a shown window and it has been on
// screen for 300 ms, so that what its opening posted has run.
void WhenSettled(std::function<QWidget*()> find, std::function<void(QWidget*)> then) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, find, then] {
        QWidget* window = find();
        if (window == nullptr || !window->isVisible()) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        QTimer::singleShot(300, window, [window, then] { then(window); });
    });
    poll->start();
}

// Ends the process at once, its windows open: the program's lock goes with
// the process.
[[noreturn]] void Finish(int code) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

// Run by the program's application object as it is made: waits for the main
// window, chooses its paid-leave ledger command, waits for the ledger window
// and times its print command.
void DrivePrintFromLedger() {
    QTimer::singleShot(20'000, qApp, [] {
        std::fprintf(stderr, "the ledger's preview did not close within 20 s\n");
        Finish(1);
    });
    WhenSettled(
        [] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* main = qobject_cast<TForm1*>(window)) {
                    return static_cast<QWidget*>(main);
                }
            }
            return static_cast<QWidget*>(nullptr);
        },
        [](QWidget* main) {
            WhenSettled([] { return qobject_cast<TForm4*>(QApplication::activeModalWidget()); },
                        [](QWidget* ledger) {
                            PreviewClock clock(Clock::now());
                            qApp->installEventFilter(&clock);
                            static_cast<TForm4*>(ledger)->P1->trigger();
                            std::printf("%.3f %.3f %.3f %d\n", clock.mapMs, clock.firstPageMs,
                                        clock.lastPaintMs, clock.pagesInFirstPaint);
                            Finish(0);
                        });
            static_cast<TForm1*>(main)->Y1->trigger();
        });
}

struct PreviewSample {
    double mapMs = 0;
    double firstPageMs = 0;
    double lastPaintMs = 0;
    int pagesInFirstPaint = 0;
};

std::optional<PreviewSample> TimePreview(const char* self, const std::vector<std::string>& env) {
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return std::nullopt;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipe[1], STDOUT_FILENO);
        ::close(pipe[0]);
        for (const std::string& entry : env) {
            ::putenv(const_cast<char*>(entry.c_str()));
        }
        ::execl(self, self, "--open-preview", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipe[1]);
    std::array<char, 256> line{};
    const ssize_t got = ::read(pipe[0], line.data(), line.size() - 1);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    PreviewSample sample;
    if (got <= 0 || std::sscanf(line.data(), "%lf %lf %lf %d", &sample.mapMs, &sample.firstPageMs,
                                &sample.lastPaintMs, &sample.pagesInFirstPaint) != 4) {
        return std::nullopt;
    }
    return sample;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--open-preview") {
        qAddPreRoutine(DrivePrintFromLedger);
        return WinMain(1, argv);
    }
    int runs = 11;
    std::vector<std::string> env;
    std::string program;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--env" && i + 1 < argc) {
            env.emplace_back(argv[++i]);
        } else {
            program = arg;
        }
    }
    if (program.empty() || runs < 1) {
        std::fprintf(stderr, "usage: %s [--runs N] [--env NAME=VALUE]... PROGRAM\n", argv[0]);
        return 2;
    }
    // The program's start-up, which this benchmark runs, takes the folder of
    // the running executable for the data files.
    const std::filesystem::path folder = std::filesystem::path(program).parent_path();
    std::error_code error;
    if (!std::filesystem::equivalent(std::filesystem::read_symlink("/proc/self/exe").parent_path(),
                                     folder, error)) {
        std::fprintf(stderr, "%s must lie in the program's folder %s\n", argv[0], folder.c_str());
        return 2;
    }
    try {
        WriteFullLedgerYear(folder);
        XWatch watch;
        std::vector<double> starts, maps, firsts, lasts, mapRatios, firstRatios, lastRatios;
        int mostPagesInFirstPaint = 0;
        watch.Time(program, env, std::chrono::milliseconds(300)); // fills the file caches
        TimePreview(argv[0], env);
        for (int round = 0; round < runs; ++round) {
            std::optional<StartSample> start =
                watch.Time(program, env, std::chrono::milliseconds(300));
            std::optional<PreviewSample> preview = TimePreview(argv[0], env);
            if (!start || !preview) {
                std::fprintf(stderr, "no window\n");
                return 1;
            }
            starts.push_back(start->mapMs);
            maps.push_back(preview->mapMs);
            firsts.push_back(preview->firstPageMs);
            lasts.push_back(preview->lastPaintMs);
            mapRatios.push_back(preview->mapMs / start->mapMs);
            firstRatios.push_back(preview->firstPageMs / start->mapMs);
            lastRatios.push_back(preview->lastPaintMs / start->mapMs);
            mostPagesInFirstPaint = std::max(mostPagesInFirstPaint, preview->pagesInFirstPaint);
        }
        std::printf("medians: program start (map) %.2f ms; preview map %.2f ms, first page %.2f "
                    "ms, last paint %.2f ms\n",
                    Median(starts), Median(maps), Median(firsts), Median(lasts));
        std::printf("ratio to the program's start, median of the rounds: preview map x%.2f, "
                    "first page painted x%.2f, last paint x%.2f; pages in view at the first "
                    "paint: %d at most\n",
                    Median(mapRatios), Median(firstRatios), Median(lastRatios),
                    mostPagesInFirstPaint);
        std::printf("unlike the program: the preview opens in this benchmark's own executable, "
                    "which links the program's start-up and windows; the program is timed from "
                    "outside, the preview from inside its process\n");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
