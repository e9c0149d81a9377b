// Times the start of windowed programs from outside, as a user sees it:
// from the fork to the first top-level window the X server maps, and to the
// first picture drawn into it (the first damage to the screen inside it);
// then, after a settling time, the peak memory (maximum resident set) of the
// process. The programs are started in turn, so that each round's ratios
// compare programs that ran under the same load.
//
//   bench_startclock [--runs N] [--settle MS] [--env NAME=VALUE]... PROGRAM...
//
// Needs an X server of its own (DISPLAY) with no window manager, so that the
// program's windows are the only ones created there.
#include "xwatch.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv) {
    int runs = 15;
    std::chrono::milliseconds settle(400);
    std::vector<std::string> env;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--settle" && i + 1 < argc) {
            settle = std::chrono::milliseconds(std::atoi(argv[++i]));
        } else if (arg == "--env" && i + 1 < argc) {
            env.emplace_back(argv[++i]);
        } else {
            programs.push_back(arg);
        }
    }
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr,
                     "usage: %s [--runs N] [--settle MS] [--env NAME=VALUE]... PROGRAM...\n",
                     argv[0]);
        return 2;
    }
    try {
        XWatch watch;
        // [program][round]
        std::vector<std::vector<StartSample>> samples(programs.size());
        // One round unmeasured: the first start fills the file caches.
        for (const std::string& program : programs) {
            watch.Time(program, env, settle);
        }
        for (int round = 0; round < runs; ++round) {
            for (std::size_t p = 0; p < programs.size(); ++p) {
                std::optional<StartSample> sample = watch.Time(programs[p], env, settle);
                if (!sample) {
                    std::fprintf(stderr, "%s showed no window\n", programs[p].c_str());
                    return 1;
                }
                samples[p].push_back(*sample);
            }
        }
        std::printf("%-20s %9s %9s %9s\n", "median of", "map ms", "frame ms", "peak KiB");
        for (std::size_t p = 0; p < programs.size(); ++p) {
            std::vector<double> map, frame, peak;
            for (const StartSample& s : samples[p]) {
                map.push_back(s.mapMs);
                frame.push_back(s.frameMs);
                peak.push_back(static_cast<double>(s.peakKb));
            }
            std::printf("%-20s %9.2f %9.2f %9.0f\n", ProgramName(programs[p]).c_str(), Median(map),
                        Median(frame), Median(peak));
        }
        // Each program against the last one, round by round.
        const std::vector<StartSample>& reference = samples.back();
        for (std::size_t p = 0; p + 1 < programs.size(); ++p) {
            std::vector<double> map, frame, peak;
            for (int round = 0; round < runs; ++round) {
                const StartSample& s = samples[p][static_cast<std::size_t>(round)];
                const StartSample& r = reference[static_cast<std::size_t>(round)];
                map.push_back(s.mapMs / r.mapMs);
                frame.push_back(s.frameMs / r.frameMs);
                peak.push_back(static_cast<double>(s.peakKb) / static_cast<double>(r.peakKb));
            }
            std::printf("ratio %s / %s, median of the rounds: map x%.2f, first frame x%.2f, "
                        "peak memory x%.2f\n",
                        ProgramName(programs[p]).c_str(), ProgramName(programs.back()).c_str(),
                        Median(map), Median(frame), Median(peak));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
