#include "output/ToolListPrint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/output/PrintFixture.h"

namespace tooling::output {
namespace {

using Ops = std::vector<std::string>;

class ToolListPrintTest : public ::testing::Test, public test::PrintFixture {};

TEST_F(ToolListPrintTest, PrintsTheHeadingBlockThenEachToolInFileOrder) {
    WriteTools('B', {Tool({20, 20, 0, 0}, {1}, {0, 45}), Tool({10, 10, 0, 0}, {2, 3}, {0, 90}),
                     Tool({25.5F, 25.5F, 0, 0}, {3}),
                     Tool({12.5F, 12.5F, 0, 0}, {1, 2, 3}, {0, 22.5F, 45, 67.5F, 90, 135})});
    PrintToolList(session, 2);
    EXPECT_EQ(page.ops, (Ops{"font:Times New Roman", "bold:1", "line:", "italic:0", "underline:1",
                             "line:5|SQUARE TOOLS", "underline:0",
                             "line:", "line:5|Tool Size; 30|Station; 50|Angles", "line:", "bold:0",
                             "line:5|20; 31|A Station; 52|0, 45",
                             "line:5|10; 31|B Station, B Index; 52|idx, 0, 90",
                             "line:5|25.5; 31|B Index; 52|idx",
                             "line:5|12.5; 31|A Station, B Station, B Index; "
                             "52|idx, 0, 22.5, 45, 67.5, 90, 135",
                             "enddoc"}));
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(ToolListPrintTest, EachShapeHasItsHeadingTitlesFileAndSizeText) {
    const std::string sizeTitles = "line:5|Tool Size; 30|Station; 50|Angles";
    const std::string station = "; 31|A Station; 52|0";
    // Shape number, the tool file it reads with its one tool, heading, titles, the tool's line.
    const struct {
        std::int16_t shapeNo;
        char code;
        library::ToolRec tool;
        std::string heading, titles, line;
    } rows[] = {
        {1, 'A', Tool({12.7F, 12.7F, 0, 0}, {1}, {0}), "DIAMETER TOOLS",
         "line:5|Tool Size; 30|Station", "line:5|12.7; 31|A Station"},
        {2, 'B', Tool({20, 20, 0, 0}, {1}, {0}), "SQUARE TOOLS", sizeTitles, "line:5|20" + station},
        {3, 'C', Tool({20, 20, 0, 2.5F}, {1}, {0}), "RADIUSED SQUARE TOOLS", sizeTitles,
         "line:5|20r2.5" + station},
        {4, 'D', Tool({30, 10.5F, 0, 0}, {1}, {0}), "RECTANGLE TOOLS", sizeTitles,
         "line:5|30x10.5" + station},
        {5, 'E', Tool({30, 10, 0, 1}, {1}, {0}), "RADIUSED RECTANGLE TOOLS", sizeTitles,
         "line:5|30x10r1" + station},
        {6, 'F', Tool({25, 8, 0, 0}, {1}, {0}), "OBROUND TOOLS", sizeTitles,
         "line:5|25x8" + station},
        {7, 'G', Tool({20, 18, 0, 0}, {1}, {0}), "SINGLE-D TOOLS", sizeTitles,
         "line:5|20x18" + station},
        {8, 'H', Tool({20, 16, 0, 0}, {1}, {0}), "DOUBLE-D TOOLS", sizeTitles,
         "line:5|20x16" + station},
        {9, 'I', Tool({40, 12, 0, 0}, {1}, {0}), "CANNON-D TOOLS", sizeTitles,
         "line:5|40x12" + station},
        {10, 'J', Tool({17.32F, 20, 0, 0}, {1}, {0}), "HEXAGON TOOLS", sizeTitles,
         "line:5|17.32" + station},
        {11, 'K', Tool({10, 11.2F, -3, 0}, {1}, {0}), "KEYWAY TOOLS", sizeTitles,
         "line:5|10x11.2w3" + station},
        {12, 'L', Tool({50, 6, 0, 0}, {1}, {0}), "LOUVRE TOOLS", sizeTitles,
         "line:5|50x6" + station},
        {13, 'M', Tool({40, 40, 5, 1.5F}, {1}, {0}), "CRUCIFORM TOOLS", sizeTitles,
         "line:5|40w5r1.5" + station},
        {14, 'S', Special("  CORNER NOTCH 12", {1}), "SPECIAL TOOLS",
         "line:5|Tool Description; 30|Station; 50|Angles", "line:5|CORNER NOTCH 12" + station},
    };
    for (const auto& row : rows) {
        WriteTools(row.code, {row.tool});
    }
    for (const auto& row : rows) {
        SCOPED_TRACE(row.heading);
        page.ops.clear();
        PrintToolList(session, row.shapeNo);
        ASSERT_EQ(page.ops.size(), 13u);
        EXPECT_EQ(page.ops[5], "line:5|" + row.heading);
        EXPECT_EQ(page.ops[8], row.titles);
        EXPECT_EQ(Body(), Ops{row.line});
    }
    // Router cutters come from the Diameter file, without an angle column.
    page.ops.clear();
    PrintToolList(session, 21);
    ASSERT_EQ(page.ops.size(), 13u);
    EXPECT_EQ(page.ops[5], "line:5|ROUTING TOOLS");
    EXPECT_EQ(page.ops[8], "line:5|Tool Size; 30|Station");
    EXPECT_EQ(Body(), Ops{"line:5|12.7; 31|A Station"});
}

TEST_F(ToolListPrintTest, PrintsOnlyRealTools) {
    WriteTools(
        'A', {Tool({0, 0, 0, 0}, {1}), Tool({0.1F, 0, 0, 0}, {1}), Tool({0.11F, 0, 0, 0}, {1}),
              Tool({999.9F, 0, 0, 0}, {1}), Tool({1000, 0, 0, 0}, {1}), Tool({-5, 0, 0, 0}, {1})});
    PrintToolList(session, 1);
    EXPECT_EQ(Body(), (Ops{"line:5|0.11; 31|A Station", "line:5|999.9; 31|A Station"}));

    // A special tool needs a name and a first station type.
    library::ToolRec secondOnly = Special("SECOND ONLY", {0, 1});
    WriteTools('S', {Special("", {1}), Special("NOTCH", {2}), secondOnly, Special("VENT", {})});
    page.ops.clear();
    PrintToolList(session, 14);
    EXPECT_EQ(Body(), (Ops{"line:5|NOTCH; 31|B Station; 52|0"}));
}

TEST_F(ToolListPrintTest, InchesAreRoundedToThreeDecimals) {
    session.machine.ImperialDisplay = true;
    WriteTools('A', {Tool({1.5875F, 0, 0, 0}, {1}), Tool({10, 0, 0, 0}, {1}),
                     Tool({12.7F, 0, 0, 0}, {1})});
    WriteTools('M', {Tool({50.8F, 50.8F, 3.175F, 1.5875F}, {1}, {0})});
    PrintToolList(session, 1);
    EXPECT_EQ(Body(), (Ops{"line:5|0.062; 31|A Station", "line:5|0.394; 31|A Station",
                           "line:5|0.5; 31|A Station"}));
    page.ops.clear();
    PrintToolList(session, 13);
    EXPECT_EQ(Body(), (Ops{"line:5|2w0.125r0.062; 31|A Station; 52|0"}));
}

TEST_F(ToolListPrintTest, ALandscapePrinterPrintsInPortraitAndIsSetBack) {
    WriteTools('A', {Tool({5, 0, 0, 0}, {1})});
    page.orientation = platform::Orientation::Landscape;
    PrintToolList(session, 1);
    ASSERT_EQ(page.ops.size(), 17u);
    EXPECT_EQ(Ops(page.ops.begin(), page.ops.begin() + 3),
              (Ops{"orientation:1", "enddoc", "font:Times New Roman"}));
    EXPECT_EQ(Ops(page.ops.end() - 4, page.ops.end()),
              (Ops{"line:5|5; 31|A Station", "enddoc", "orientation:2", "enddoc"}));
    EXPECT_EQ(page.orientation, platform::Orientation::Landscape);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(ToolListPrintTest, AnyOtherShapeOnlyOpensAndClosesThePrint) {
    for (const std::int16_t shapeNo : {0, 15, 20, 22}) {
        SCOPED_TRACE(shapeNo);
        page.ops.clear();
        page.orientation = platform::Orientation::Portrait;
        PrintToolList(session, shapeNo);
        EXPECT_EQ(page.ops, Ops{"enddoc"});
        page.ops.clear();
        page.orientation = platform::Orientation::Landscape;
        PrintToolList(session, shapeNo);
        EXPECT_EQ(page.ops, (Ops{"orientation:1", "enddoc", "enddoc", "orientation:2", "enddoc"}));
    }
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(ToolListPrintTest, AFailureEndsThePrintWithPrinterErrorAndSetsTheOrientationBack) {
    WriteTools('B', {Tool({10, 10, 0, 0}, {1}, {0}), Tool({20, 20, 0, 0}, {1}, {0})});
    const Ops turned = {"orientation:1", "enddoc"};
    const Ops heading = {"font:Times New Roman",
                         "bold:1",
                         "line:",
                         "italic:0",
                         "underline:1",
                         "line:5|SQUARE TOOLS",
                         "underline:0",
                         "line:",
                         "line:5|Tool Size; 30|Station; 50|Angles",
                         "line:",
                         "bold:0",
                         "line:5|10; 31|A Station; 52|0"};
    // The printer off line from the start; out of paper at the second tool; the tool file
    // unreadable: each on a landscape printer.
    {
        SCOPED_TRACE("off line");
        page.orientation = platform::Orientation::Landscape;
        page.failAfter = 0;
        PrintToolList(session, 2);
        EXPECT_TRUE(page.ops.empty());
        EXPECT_EQ(ui.events, test::kPrinterErrorShown);
    }
    page.failAfter = -1;
    {
        SCOPED_TRACE("out of paper");
        page.ops.clear();
        ui.events.clear();
        page.orientation = platform::Orientation::Landscape;
        page.paperOutAtLine = 7;
        PrintToolList(session, 2);
        Ops expected = turned;
        expected.insert(expected.end(), heading.begin(), heading.end());
        expected.push_back("orientation:2");
        EXPECT_EQ(page.ops, expected);
        EXPECT_EQ(page.orientation, platform::Orientation::Landscape);
        EXPECT_EQ(ui.events, test::kPrinterErrorShown);
    }
    {
        SCOPED_TRACE("file error");
        page.ops.clear();
        ui.events.clear();
        page.orientation = platform::Orientation::Landscape;
        fs.readFailures = 1;
        PrintToolList(session, 2);
        EXPECT_EQ(page.ops, (Ops{"orientation:1", "enddoc", "orientation:2"}));
        EXPECT_EQ(ui.events, test::kPrinterErrorShown);
    }
}

}  // namespace
}  // namespace tooling::output
