// The preview of the longest report (the paid-leave ledger at its full 100
// records, three pages) against the program's start. Each round starts the
// program and times it from outside as bench_startclock does, then starts a
// process of its own that opens the preview once, the first time in that
// process as after a start, and times from the call to the preview window
// being on screen, to its first page painted and to its last paint.
//
//   bench_preview [--runs N] [--env NAME=VALUE]... PROGRAM
//
// Needs an X server of its own (DISPLAY) with no window manager;
// bench/preview.sh provides one.
#include "filledyears.h"
#include "platform/fonts.h"
#include "platform/programicon.h"
#include "platform/reportpageview.h"
#include "platform/reportpreview.h"
#include "platform/translations.h"
#include "records/clock.h"
#include "records/state.h"
#include "tests/common/reportsnapshots.h"
#include "windows/main/mainwindow.h"
#include "windows/reports/reports.h"
#include "xwatch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>
#include <array>
#include <cstdio>
#include <exception>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Watches the preview from inside: when its window is exposed, when the
// page view has finished the first paint with a page in view and its last
// paint, and how many pages that first paint had in view. Closes the preview once it has been still
// for a while.
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

// The program as after its start (its application settings, the main window
// on screen over two filled years), then the preview, owned by the main
// window, timed from the call.
int OpenPreviewOnce(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolmar"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    QApplication::setFont(ProgramFont(GothicFontName, 12));
    InstallJapaneseTranslations(app);
    QApplication::setWindowIcon(ProgramIcon());
    TempFolder folder;
    WriteFilledYears(folder.Path());
    ResetProgramState();
    ProgramFolder = folder.Path();
    SetClockForTest(LocalDateTime{2004, 9, 27, 8, 0, 0});
    TForm1 form;
    form.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const LedgerSnapshot ledger = FullLedger();
    PreviewClock clock(Clock::now());
    app.installEventFilter(&clock);
    PreviewLedgerReport(&form, ledger);
    std::printf("%.3f %.3f %.3f %d\n", clock.mapMs, clock.firstPageMs, clock.lastPaintMs,
                clock.pagesInFirstPaint);
    return 0;
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
        return OpenPreviewOnce(argc, argv);
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
    try {
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
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
