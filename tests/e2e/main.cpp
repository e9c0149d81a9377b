#include "tests/e2e/runningprogram.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    LeaveTheSessionBus();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
