#include "commands/typeddate.h"

#include <gtest/gtest.h>

namespace {

TEST(TypedDate, TheDateAsTypedOrNoneNeverAnother) {
    const struct {
        const char* text;
        std::optional<CivilDate> date;
    } cases[] = {
        {"2004/9/20", CivilDate{2004, 9, 20}},
        {" 2004/09/05 ", CivilDate{2004, 9, 5}},
        {"2004/2/29", CivilDate{2004, 2, 29}},
        {"20040920", CivilDate{2004, 9, 20}},
        {"2004920", CivilDate{2004, 9, 20}}, // 92/0 is no date
        {"2004131", CivilDate{2004, 1, 31}}, // 13/1 is no date
        {"200492", CivilDate{2004, 9, 2}},
        {"2004111", std::nullopt}, // 11/1 or 1/11
        {"2003/2/29", std::nullopt},
        {"2004/9/31", std::nullopt},
        {"2004/13/1", std::nullopt},
        {"2004/9", std::nullopt},
        {"2004/9/20/", std::nullopt},
        {"04/9/20", std::nullopt},
        {"2004/009/20", std::nullopt},
        {"2004-9-20", std::nullopt},
        {"20040931", std::nullopt},
        {"200409201", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseTypedDate(c.text), c.date) << c.text;
    }
}

} // namespace
