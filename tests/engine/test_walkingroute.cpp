#include "engine/walkingroute.h"

#include "records/settings.h"
#include "records/state.h"
#include "tests/common/tempfolder.h"
#include "tests/common/yearbytes.h"

#include <gtest/gtest.h>

namespace {

constexpr int Bar = 193;

TEST(WalkingRoute, RouteTableHoldsTheLoop) {
    RouteTable route = BuildRouteTable();
    ASSERT_EQ(route.StationCount, 44);
    EXPECT_EQ(route.StationNames[0], "長崎");
    EXPECT_EQ(route.StationNames[43], "諫早");
    EXPECT_EQ(route.StationPoint[26], (MapPoint{200, 313}));
    EXPECT_EQ(route.PathPointCount[26], 5);
    EXPECT_EQ(route.PathPoints[26][4], (MapPoint{167, 310}));
    EXPECT_EQ(route.PathColor[38], 0xFF0000u);
    EXPECT_EQ(route.PathColor[39], 0x00FFFFu);
    EXPECT_NEAR(route.RouteLength, 1090.7, 0.01);
    // Every path starts at its station and stays on the 317 x 418 map.
    for (int s = 0; s < route.StationCount; ++s) {
        EXPECT_EQ(route.PathPoints[s][0], route.StationPoint[s]);
        for (int p = 0; p < route.PathPointCount[s]; ++p) {
            EXPECT_LT(route.PathPoints[s][p].x, MapPictureWidth);
            EXPECT_LT(route.PathPoints[s][p].y, MapPictureHeight);
        }
    }
}

TEST(WalkingRoute, StepsTurnIntoStationsLapsAndTexts) {
    RouteTable route = BuildRouteTable();

    WalkingProgress none = ComputeWalkingProgress(route, 0, 70, Bar);
    EXPECT_EQ(none.stretch, 0);
    EXPECT_EQ(none.marker, (MapPoint{68, 169}));
    EXPECT_EQ(none.currentStation, "長崎");
    EXPECT_EQ(none.nextStation, "諫早");
    EXPECT_EQ(none.distanceText, "長崎から 0.0km(0歩)歩いてます\n諫早まで後24.9kmです");
    EXPECT_EQ(none.barWidth, 0);
    EXPECT_EQ(none.lapText, "");
    EXPECT_TRUE(none.coveredPaths.empty());
    EXPECT_EQ(none.stepNote, "注）１歩を70cmで計算しています。");

    WalkingProgress seventy = ComputeWalkingProgress(route, 100000, 70, Bar);
    EXPECT_EQ(seventy.stretch, 1);
    EXPECT_NEAR(seventy.rem, 45.1, 1e-3);
    EXPECT_EQ(seventy.currentStation, "諫早");
    EXPECT_EQ(seventy.distanceText, "長崎から 70.0km(100000歩)歩いてます\n肥前鹿島まで後0.7kmです");
    ASSERT_EQ(seventy.coveredPaths.size(), 1u);
    EXPECT_EQ(seventy.coveredPaths[0].size(), 3u);
    EXPECT_EQ(seventy.barWidth, static_cast<int>(Bar * seventy.rem / 45.8f));
    // 45.1 of 45.8 km: on the last piece of the stretch, close to its end.
    EXPECT_EQ(seventy.currentPath.size(), 3u);
    EXPECT_NEAR(seventy.marker.x, 90.2, 0.3);
    EXPECT_NEAR(seventy.marker.y, 124.5, 0.5);

    WalkingProgress secondLap = ComputeWalkingProgress(route, 1600000, 70, Bar);
    EXPECT_EQ(secondLap.laps, 1);
    EXPECT_EQ(secondLap.lapText, "九州一周(1090.7km)\n　　　2周目");
    EXPECT_EQ(secondLap.stretch, 1);
    EXPECT_NEAR(secondLap.rem, 4.4, 1e-3);
    EXPECT_EQ(secondLap.distanceText.substr(0, secondLap.distanceText.find('\n')),
              "長崎から 1120.0km(1600000歩)歩いてます");

    // Right at the length of the loop, rounding either way: the walker is
    // somewhere valid, never past the route or before its start.
    WalkingProgress aroundOnce = ComputeWalkingProgress(route, 1558143, 70, Bar);
    EXPECT_GE(aroundOnce.km, 0);
    EXPECT_LT(aroundOnce.km, route.RouteLength);
    EXPECT_TRUE(aroundOnce.stretch == 0 || aroundOnce.stretch == 43);
    EXPECT_GE(aroundOnce.barWidth, 0);
    EXPECT_LE(aroundOnce.barWidth, Bar);

    // A step length of zero or less walks nowhere.
    for (int length : {0, -70}) {
        WalkingProgress stuck = ComputeWalkingProgress(route, 100000, length, Bar);
        EXPECT_EQ(stuck.stretch, 0);
        EXPECT_EQ(stuck.km, 0);
        EXPECT_EQ(stuck.marker, (MapPoint{68, 169}));
    }
}

TEST(WalkingRoute, EveryDistanceOfManyLapsStaysOnTheRoute) {
    RouteTable route = BuildRouteTable();
    for (std::int64_t steps = 0; steps < 20'000'000; steps += 7'919) {
        WalkingProgress progress = ComputeWalkingProgress(route, steps, 70, Bar);
        ASSERT_GE(progress.km, 0) << steps;
        ASSERT_LT(progress.km, route.RouteLength) << steps;
        ASSERT_GE(progress.rem, 0) << steps;
        ASSERT_LE(progress.rem, route.StationKm[progress.stretch] + 1e-3) << steps;
        ASSERT_EQ(progress.coveredPaths.size(), static_cast<std::size_t>(progress.stretch));
        ASSERT_GE(progress.barWidth, 0) << steps;
        ASSERT_LE(progress.barWidth, Bar) << steps;
    }
}

TEST(WalkingRoute, StepsOfASpanComeFromEachMonthAndAMissingYearAddsNothing) {
    ResetProgramState();
    TempFolder folder;
    // 2004: 1,000 steps a day, 2,000 in February; 2003 has no file.
    WriteBytes(folder / "2004.dat",
               YearFileBytes2004("[DayData]", [](int d, const std::string& date) {
                   std::string steps = d >= 32 && d <= 60 ? "2000" : "1000";
                   return date + ",\x8c\x8e,,,,,," + steps + ",0,";
               }));
    Settings.Deadline = 31;
    EXPECT_EQ(StepsOfMonths(folder.Path(), 2003, 11, 2004, 2), 31 * 1000 + 29 * 2000);
    EXPECT_EQ(StepsOfMonths(folder.Path(), 2004, 2, 2004, 2), 29 * 2000);
    EXPECT_EQ(StepsOfMonths(folder.Path(), 2003, 1, 2003, 12), 0);
    // With closing day 20, "February" runs from 1/21 to 2/20.
    Settings.Deadline = 20;
    EXPECT_EQ(StepsOfMonths(folder.Path(), 2004, 2, 2004, 2), 11 * 1000 + 20 * 2000);
    ResetProgramState();
}

} // namespace
