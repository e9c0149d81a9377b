#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The walking route: 44 stations around the island, each with the distance
// to the next one, its place on the 317 x 418 map and the path drawn from it
// towards the next station.

struct MapPoint {
    double x = 0;
    double y = 0;
    bool operator==(const MapPoint&) const = default;
};

inline constexpr int RouteSlots = 50;
inline constexpr int MapPictureWidth = 317;
inline constexpr int MapPictureHeight = 418;

struct RouteTable {
    int StationCount = 0;
    std::array<std::string, RouteSlots> StationNames;
    std::array<float, RouteSlots> StationKm{};
    std::array<MapPoint, RouteSlots> StationPoint{};
    std::array<int, RouteSlots> PathPointCount{};
    std::array<std::array<MapPoint, 5>, RouteSlots> PathPoints{};
    std::array<std::uint32_t, RouteSlots> PathColor{}; // Windows colour values
    float RouteLength = 0; // summed in single precision, station by station
};

RouteTable BuildRouteTable();

// How far the steps reach along the route, and what the map shows of it.
struct WalkingProgress {
    double kmTotal = 0; // the whole distance walked, laps included
    double km = 0;      // the distance into the present lap
    std::int64_t laps = 0;
    int stretch = 0;                                 // the station the walker last passed
    double rem = 0;                                  // kilometres into that stretch
    std::vector<std::vector<MapPoint>> coveredPaths; // stretches 0 .. stretch-1
    std::vector<MapPoint> currentPath;               // the stretch so far
    MapPoint marker;
    std::string currentStation, nextStation;
    std::string distanceText; // "長崎から 70.0km(100000歩)歩いてます\n肥前鹿島まで後0.7kmです"
    std::string lapText;  // "" on the first lap
    std::string stepNote; // "注）１歩を70cmで計算しています。"
    int barWidth = 0;     // of a bar fullWidth wide
};

WalkingProgress ComputeWalkingProgress(const RouteTable& route, std::int64_t totalSteps,
                                       int distanceCm, int fullBarWidth);

// The steps of the closing-day months from (fromYear, fromMonth) to
// (toYear, toMonth), both included, by the summary engine; months without a
// day file add nothing.
std::int64_t StepsOfMonths(const std::filesystem::path& folder, int fromYear, int fromMonth,
                           int toYear, int toMonth);
