#include "walkingroute.h"

#include "engine/periodsummary.h"
#include "records/datanumbers.h"
#include "records/state.h"

#include <charconv>
#include <cmath>
#include <initializer_list>

namespace {

struct Station {
    const char* name;
    float km;
    std::initializer_list<int> path; // x, y pairs; the first is the station
};

// clang-format off
const Station Stations[] = {
    {"長崎", 24.9f, {68, 169, 73, 169, 82, 162}},
    {"諫早", 45.8f, {88, 155, 96, 137, 90, 124}},
    {"肥前鹿島", 15.0f, {91, 116, 93, 111}},
    {"肥前山口", 14.6f, {99, 104, 104, 100, 111, 101}},
    {"佐賀", 25.0f, {119, 99, 133, 89}},
    {"鳥栖", 8.9f, {138, 82, 139, 79}},
    {"原田", 19.7f, {137, 70, 129, 59}},
    {"博多", 8.4f, {129, 52, 134, 44}},
    {"香椎", 3.2f, {139, 37, 139, 35}},
    {"福間", 10.1f, {144, 27, 148, 26}},
    {"赤間", 16.4f, {155, 21, 158, 19}},
    {"折尾", 19.1f, {167, 16, 176, 14}},
    {"小倉", 6.1f, {181, 15, 183, 21}},
    {"城野", 18.9f, {186, 26, 191, 35}},
    {"行橋", 26.8f, {196, 42, 211, 55, 215, 55}},
    {"中津", 47.4f, {224, 57, 243, 61, 260, 77}},
    {"杵築", 21.6f, {259, 81, 253, 85}},
    {"別府", 12.1f, {250, 92, 254, 102, 265, 106}},
    {"大分", 14.5f, {273, 106, 279, 105}},
    {"坂ノ市", 4.4f, {284, 106, 287, 110}},
    {"幸崎", 17.4f, {285, 114, 284, 116, 285, 120}},
    {"臼杵", 87.0f, {288, 129, 294, 145, 274, 189}},
    {"延岡", 57.4f, {271, 198, 252, 257}},
    {"高鍋", 26.3f, {249, 265, 243, 282}},
    {"宮崎", 2.6f, {241, 291, 241, 293}},
    {"南宮崎", 47.4f, {238, 299, 208, 312}},
    {"都城", 42.2f, {200, 313, 182, 313, 176, 305, 170, 310, 167, 310}},
    {"国分", 30.5f, {158, 311, 150, 311, 145, 327}},
    {"鹿児島", 3.2f, {140, 332, 139, 334}},
    {"西鹿児島", 34.1f, {133, 333, 117, 319}},
    {"串木野", 12.0f, {113, 311, 113, 306}},
    {"川内", 51.3f, {111, 297, 107, 275, 117, 269}},
    {"出水", 16.0f, {123, 263, 126, 254}},
    {"水俣", 49.6f, {130, 246, 145, 228, 150, 214}},
    {"八代", 24.8f, {154, 206, 159, 193, 156, 188}},
    {"宇土", 10.9f, {156, 179, 160, 173}},
    {"熊本", 49.1f, {159, 165, 138, 129}},
    {"大牟田", 33.6f, {136, 121, 138, 101}},
    {"久留米", 7.1f, {138, 93, 138, 91}},
    {"鳥栖", 25.0f, {133, 89, 119, 99}},
    {"佐賀", 14.6f, {111, 101, 104, 100, 99, 104}},
    {"肥前山口", 15.0f, {93, 111, 91, 116}},
    {"肥前鹿島", 45.8f, {90, 124, 96, 137, 88, 155}},
    {"諫早", 24.9f, {82, 162, 73, 169, 68, 169}},
};
// clang-format on

constexpr std::uint32_t Blue = 0xFF0000;
constexpr std::uint32_t Yellow = 0x00FFFF;
constexpr int LastMainLineStation = 38;

std::vector<MapPoint> Path(const RouteTable& route, int s) {
    return {route.PathPoints[s].begin(), route.PathPoints[s].begin() + route.PathPointCount[s]};
}

std::int64_t StepSum(const std::string& text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

} // namespace

RouteTable BuildRouteTable() {
    RouteTable route;
    route.StationCount = static_cast<int>(std::size(Stations));
    route.RouteLength = 0;
    for (int s = 0; s < route.StationCount; ++s) {
        const Station& station = Stations[s];
        route.StationNames[s] = station.name;
        route.StationKm[s] = station.km;
        const int* xy = station.path.begin();
        route.PathPointCount[s] = static_cast<int>(station.path.size() / 2);
        for (int p = 0; p < route.PathPointCount[s]; ++p) {
            route.PathPoints[s][p] = {static_cast<double>(xy[2 * p]),
                                      static_cast<double>(xy[2 * p + 1])};
        }
        route.StationPoint[s] = route.PathPoints[s][0];
        route.PathColor[s] = s <= LastMainLineStation ? Blue : Yellow;
        route.RouteLength += station.km;
    }
    return route;
}

WalkingProgress ComputeWalkingProgress(const RouteTable& route, std::int64_t totalSteps,
                                       int distanceCm, int fullBarWidth) {
    WalkingProgress progress;
    progress.stepNote = "注）１歩を" + std::to_string(distanceCm) + "cmで計算しています。";
    // A step length of zero or less walks nowhere rather than backwards.
    const double stepCm = distanceCm > 0 ? distanceCm : 0;
    const auto steps = static_cast<double>(std::max<std::int64_t>(totalSteps, 0));
    float km = static_cast<float>(steps * stepCm * 0.01 * 0.001);
    progress.kmTotal = km;

    const double length = route.RouteLength;
    progress.laps = static_cast<std::int64_t>(std::floor(static_cast<double>(km) / length));
    double inLap = static_cast<double>(km) - static_cast<double>(progress.laps) * length;
    // Rounding can leave the remainder a hair outside the lap.
    if (inLap < 0) {
        inLap += length;
        --progress.laps;
    } else if (inLap >= length) {
        inLap -= length;
        ++progress.laps;
    }
    progress.km = static_cast<float>(inLap);
    if (progress.laps != 0) {
        progress.lapText = "九州一周(" + FormatOneDecimal(route.RouteLength) + "km)\n　　　" +
                           std::to_string(progress.laps + 1) + "周目";
    }

    const int last = route.StationCount - 1;
    double cum = 0;
    int s = 0;
    if (progress.km != 0) {
        // Where rounding lets no stretch take the distance, the last one
        // holds it.
        s = last;
        double sum = 0;
        for (int i = 0; i <= last; ++i) {
            if (sum < progress.km && progress.km <= sum + route.StationKm[i]) {
                s = i;
                break;
            }
            sum += route.StationKm[i];
        }
        cum = 0;
        for (int i = 0; i < s; ++i) {
            cum += route.StationKm[i];
        }
    }
    progress.stretch = s;
    progress.rem = progress.km - cum;

    std::vector<MapPoint> path = Path(route, s);
    std::vector<float> pieces;
    float total = 0;
    for (std::size_t k = 0; k + 1 < path.size(); ++k) {
        auto len = static_cast<float>(std::sqrt(std::pow(path[k + 1].x - path[k].x, 2) +
                                                std::pow(path[k + 1].y - path[k].y, 2)));
        pieces.push_back(len);
        total += len;
    }
    progress.currentPath.push_back(path.front());
    if (progress.rem != 0 && total > 0) {
        double pieceCum = 0;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            double pieceKm = pieces[k] / total * route.StationKm[s];
            if (pieceCum < progress.rem && progress.rem <= pieceCum + pieceKm) {
                double t = (progress.rem - pieceCum) / pieceKm;
                progress.currentPath.push_back({path[k].x + t * (path[k + 1].x - path[k].x),
                                                path[k].y + t * (path[k + 1].y - path[k].y)});
                break;
            }
            progress.currentPath.push_back(path[k + 1]);
            pieceCum += pieceKm;
        }
    }
    for (int i = 0; i < s; ++i) {
        progress.coveredPaths.push_back(Path(route, i));
    }
    progress.marker = progress.currentPath.back();

    progress.currentStation = route.StationNames[s];
    progress.nextStation = route.StationNames[s == last ? 0 : s + 1];
    progress.distanceText = "長崎から " + FormatOneDecimal(progress.kmTotal) + "km(" +
                            std::to_string(totalSteps) + "歩)歩いてます\n" + progress.nextStation +
                            "まで後" + FormatOneDecimal(route.StationKm[s] - progress.rem) +
                            "kmです";
    progress.barWidth =
        static_cast<int>(fullBarWidth * progress.rem / static_cast<double>(route.StationKm[s]));
    return progress;
}

std::int64_t StepsOfMonths(const std::filesystem::path& folder, int fromYear, int fromMonth,
                           int toYear, int toMonth) {
    std::int64_t steps = 0;
    SummaryFiles files(folder);
    ClearRectotalTables();
    for (int year = fromYear, month = fromMonth;
         year < toYear || (year == toYear && month <= toMonth);) {
        int days = 0;
        if (LoadSummaryPeriod(files, SummaryClosingDayMonth, year, month, days)) {
            SummarizePeriodDays();
            steps += StepSum(PeriodTotals[4]);
        }
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return steps;
}
