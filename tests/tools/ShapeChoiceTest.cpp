#include "tools/ShapeChoice.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "tests/support/TestServices.h"

namespace tooling::tools {
namespace {

TEST(ShapeChoice, MenuItemBecomesTheShapeExceptOutsideTheMenuOrOnARouterMachine) {
    test::TestServices services;
    core::Session session(services.services);
    const auto shape = [&] {
        return std::to_string(session.win.CurShapeNo) + session.win.CurShapeCode;
    };
    const decltype(session.cmd.StnLidx) remembered = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    const std::tuple<int, bool, std::string> rows[] = {
        {14, true, "14S"},  {0, false, "14S"}, {15, false, "14S"},
        {-1, false, "14S"}, {13, true, "13M"},
    };
    for (const auto& [index, chosen, after] : rows) {
        session.cmd.StnLidx = remembered;
        EXPECT_EQ(ChooseShape(session, index), chosen) << index;
        EXPECT_EQ(shape(), after);
        EXPECT_EQ(session.cmd.StnLidx, chosen ? decltype(remembered){} : remembered);
        EXPECT_EQ(CheckedShapeItem(session), session.win.CurShapeNo);
    }
    SetStartShape(session);
    EXPECT_EQ(shape(), "1A");
    session.machine.RouterMachine = true;
    SetStartShape(session);
    EXPECT_EQ(shape(), "21A");
    EXPECT_EQ(CheckedShapeItem(session), 1);
    EXPECT_FALSE(ChooseShape(session, 2));
    EXPECT_EQ(shape(), "21A");
}

}  // namespace
}  // namespace tooling::tools
