#include "turrets/EmptyTurret.h"

#include <gtest/gtest.h>

namespace tooling::turrets {
namespace {

TEST(EmptyTurret, OneLinePerStationThenTheEndMark) {
    struct Row {
        std::int16_t stations;
        std::string text;
    };
    const Row rows[] = {
        {0, "******\r\n"},
        {-3, "******\r\n"},
        {1, "1, , , 0, 0, 0, 0, , 0\r\n******\r\n"},
        {3,
         "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n3, , , 0, 0, 0, 0, , 0\r\n"
         "******\r\n"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EmptyTurretText(row.stations), row.text) << row.stations << " stations";
    }
    const std::string many = EmptyTurretText(32);
    EXPECT_NE(many.find("\r\n32, , , 0, 0, 0, 0, , 0\r\n******\r\n"), std::string::npos);
    EXPECT_EQ(EmptyIndexText(), "******\r\n");
}

}  // namespace
}  // namespace tooling::turrets
