#include "tools/ShapeChoice.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "tests/support/TestServices.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {
namespace {

class ShapeChoiceTest : public ::testing::Test {
  protected:
    void RememberStations() {
        for (std::size_t i = 0; i < session.cmd.StnLidx.size(); ++i) {
            session.cmd.StnLidx[i] = static_cast<std::int16_t>(i + 1);
        }
    }
    bool StationsCleared() const {
        for (std::int16_t line : session.cmd.StnLidx) {
            if (line != 0) {
                return false;
            }
        }
        return true;
    }

    test::TestServices services;
    core::Session session{services.services};
};

TEST_F(ShapeChoiceTest, MenuItemSetsShapeNumberAndCodeAndClearsStationChoice) {
    struct Row {
        int index;
        const char* code;
    };
    const Row rows[] = {{1, "A"}, {2, "B"}, {3, "C"}, {5, "E"}, {9, "I"}, {13, "M"}, {14, "S"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        RememberStations();
        ASSERT_TRUE(ChooseShape(session, row.index));
        EXPECT_EQ(session.win.CurShapeNo, row.index);
        EXPECT_EQ(session.win.CurShapeCode, row.code);
        EXPECT_TRUE(StationsCleared());
        EXPECT_EQ(CheckedShapeItem(session), row.index);
    }
}

TEST_F(ShapeChoiceTest, IndexOutsideTheMenuChangesNothing) {
    ASSERT_TRUE(ChooseShape(session, 2));
    RememberStations();
    for (int index : {0, 15, 21, -1}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(ChooseShape(session, index));
        EXPECT_EQ(session.win.CurShapeNo, 2);
        EXPECT_EQ(session.win.CurShapeCode, "B");
        EXPECT_EQ(session.cmd.StnLidx[12], 13);
    }
}

TEST_F(ShapeChoiceTest, RouterMachineStartsOnRouterAndKeepsIt) {
    session.machine.RouterMachine = true;
    session.win.CurShapeNo = 6;
    session.win.CurShapeCode = "F";
    SetStartShape(session);
    EXPECT_EQ(session.win.CurShapeNo, kRouterShapeNo);
    EXPECT_EQ(session.win.CurShapeCode, "A");
    EXPECT_EQ(CheckedShapeItem(session), 1);

    EXPECT_FALSE(ChooseShape(session, 2));
    EXPECT_EQ(session.win.CurShapeNo, kRouterShapeNo);
    EXPECT_EQ(session.win.CurShapeCode, "A");
}

TEST_F(ShapeChoiceTest, TurretMachineStartsOnDiameter) {
    session.machine.TurretMachine = true;
    session.win.CurShapeNo = 6;
    session.win.CurShapeCode = "F";
    SetStartShape(session);
    EXPECT_EQ(session.win.CurShapeNo, 1);
    EXPECT_EQ(session.win.CurShapeCode, "A");
}

TEST_F(ShapeChoiceTest, ResetEmptiesTheSharedCommandState) {
    session.cmd.EditRecNo = 7;
    session.cmd.AddAgain = true;
    session.cmd.SpecialName = "BRACKET";
    session.cmd.TurretMode = 2;
    RememberStations();
    ResetToolCommands(session);
    EXPECT_EQ(session.cmd.EditRecNo, 0);
    EXPECT_FALSE(session.cmd.AddAgain);
    EXPECT_EQ(session.cmd.SpecialName, "");
    EXPECT_TRUE(StationsCleared());
    EXPECT_EQ(session.cmd.TurretMode, 2);  // the turret commands own theirs
}

}  // namespace
}  // namespace tooling::tools
