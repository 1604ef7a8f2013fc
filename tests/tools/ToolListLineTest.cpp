#include "tools/ToolListLine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/Session.h"
#include "core/Text.h"
#include "library/ToolSizeText.h"
#include "tests/support/DataRows.h"
#include "tests/support/TestServices.h"

namespace tooling::tools {
namespace {

using library::ToolRec;
using test::DataRow;

// A record of the dimensions in a data field, with stations written "type/kind" and angles.
ToolRec Rec(std::string_view dims, std::string_view stations = "", std::string_view angles = "") {
    ToolRec rec;
    rec.Dims = test::DimsOf(dims);
    std::size_t i = 0;
    for (const std::string& station : test::Split(stations, ' ')) {
        if (!station.empty()) {
            const std::vector<std::string> parts = test::Split(station, '/');
            rec.Stns.at(i++) = {static_cast<std::int16_t>(std::stoi(parts.at(0))),
                                static_cast<std::int16_t>(std::stoi(parts.at(1)))};
        }
    }
    const std::vector<double> angleValues = test::NumbersOf(angles);
    for (std::size_t a = 0; a < angleValues.size(); ++a) {
        rec.Angles.at(a) = static_cast<float>(angleValues[a]);
    }
    return rec;
}

TEST(ToolSizeText, EveryShapeJoinsItsDimensionsWithItsLetters) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "tool-size-texts.txt")) {
        ToolRec rec = Rec(row.fields.at(1));
        if (row.fields.size() > 5) {
            rec.Descr = library::PaddedDescr(row.fields[5]);
        }
        EXPECT_EQ(library::ToolSizeText(row.fields[0][0], rec, row.fields.at(2) == "in",
                                        std::stoi(row.fields.at(3))),
                  row.fields.at(4))
            << "line " << row.line;
    }
}

class ListLineTest : public ::testing::Test {
  protected:
    ListLineTest() : session(services.services) {
        const std::tuple<int, const char*, int> types[] = {
            {1, "A Station", 10},  {2, "B Station", 11}, {5, "B Auto Index", 20},
            {6, "Multi Tool", 39}, {7, "Spindle", 40},   {8, "", 10},
        };
        for (const auto& [number, name, kind] : types) {
            core::StationType& type =
                session.machine.StationTable[static_cast<std::size_t>(number)];
            type.number = static_cast<std::int16_t>(number);
            type.name = core::Fixed(name, core::kStationNameWidth);
            type.kind = static_cast<std::int16_t>(kind);
        }
    }

    // The three columns joined by " | ".
    std::string Line(std::int16_t shapeNo, const std::string& code, const ToolRec& rec) {
        session.win.CurShapeNo = shapeNo;
        session.win.CurShapeCode = code;
        const ToolListLine line = ListLine(session, rec);
        return line.size + " | " + line.stations + " | " + line.angles;
    }

    test::TestServices services;
    core::Session session;
};

TEST_F(ListLineTest, StationsAndAnglesOfEachKindOfStation) {
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "list-lines.txt")) {
        const std::vector<std::string> shape = test::Split(row.fields.at(0), ' ');
        EXPECT_EQ(Line(static_cast<std::int16_t>(std::stoi(shape.at(0))), shape.at(1),
                       Rec(row.fields.at(1), row.fields.at(2), row.fields.at(3))),
                  row.fields.at(4) + " | " + row.fields.at(5) + " | " + row.fields.at(6))
            << "line " << row.line;
    }
}

TEST_F(ListLineTest, ShapeOfTheWindowAndItsUnitGiveTheSize) {
    ToolRec special = Rec("12 12 0 0", "1/10", "0 180");
    special.Shape = 'S';
    special.Descr = library::PaddedDescr("Louvre Left");
    EXPECT_EQ(Line(14, "S", special), "Louvre Left | A Station | 0, 180");
    const ToolRec keyway = Rec("25.4 12.7 -6.35 0", "1/10", "0");
    EXPECT_EQ(Line(11, "K", keyway), "25.4x12.7w6.35 | A Station | 0");
    session.machine.ImperialDisplay = true;
    EXPECT_EQ(Line(11, "K", keyway), "1x0.5w0.25 | A Station | 0");
}

}  // namespace
}  // namespace tooling::tools
