#include "output/ToolListPrint.h"

#include <array>
#include <optional>
#include <string>

#include "core/Session.h"
#include "core/Text.h"
#include "library/ShapeTable.h"
#include "library/ToolFile.h"
#include "library/ToolListTexts.h"
#include "library/ToolSizeText.h"
#include "output/PrintFrame.h"

namespace tooling::output {

namespace {

constexpr std::int16_t kRouterShapeNo = 21;
constexpr int kListDecimals = 3;  // inches

// The headings of the fourteen shapes in Tool Shape menu order.
constexpr std::array<const char*, library::kShapeCount> kHeadings{
    "DIAMETER TOOLS",           "SQUARE TOOLS",  "RADIUSED SQUARE TOOLS", "RECTANGLE TOOLS",
    "RADIUSED RECTANGLE TOOLS", "OBROUND TOOLS", "SINGLE-D TOOLS",        "DOUBLE-D TOOLS",
    "CANNON-D TOOLS",           "HEXAGON TOOLS", "KEYWAY TOOLS",          "LOUVRE TOOLS",
    "CRUCIFORM TOOLS",          "SPECIAL TOOLS"};

// One printed list: its heading, the letter of the tool file it reads, whether it has the angle
// column.
struct ListKind {
    std::string heading;
    char code;
    bool angles;
};

std::optional<ListKind> KindOf(std::int16_t shapeNo) {
    if (shapeNo == kRouterShapeNo) {
        return ListKind{"ROUTING TOOLS", 'A', false};
    }
    if (shapeNo < 1 || shapeNo > library::kShapeCount) {
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(shapeNo - 1);
    return ListKind{kHeadings[i], library::kShapes[i].code, shapeNo != 1};
}

// A special tool also needs a first station type to be printed.
bool Printed(char code, const library::ToolRec& rec) {
    return library::ValidTool(code, rec) && (code != 'S' || rec.Stns[0].StnType > 0);
}

void PrintList(const core::Session& session, const ListKind& kind, platform::TextPage& page) {
    const std::vector<library::ToolRec> recs = library::ReadToolFile(session, kind.code);
    std::vector<platform::PageItem> titles{{5, kind.code == 'S' ? "Tool Description" : "Tool Size"},
                                           {30, "Station"}};
    if (kind.angles) {
        titles.push_back({50, "Angles"});
    }
    PrintHeading(page, kind.heading, titles);
    for (const library::ToolRec& rec : recs) {
        if (!Printed(kind.code, rec)) {
            continue;
        }
        std::vector<platform::PageItem> line{
            {5,
             library::ToolSizeText(kind.code, rec, session.machine.ImperialDisplay, kListDecimals)},
            {31, library::StationNames(session.machine, rec)}};
        if (kind.angles) {
            line.push_back({52, library::AngleList(rec)});
        }
        page.PrintLine(line);
    }
}

}  // namespace

void PrintToolList(core::Session& session, std::int16_t shapeNo) {
    PrintToolList(session, shapeNo, session.os.printer);
}

void PrintToolList(core::Session& session, std::int16_t shapeNo, platform::TextPage& on) {
    const std::optional<ListKind> kind = KindOf(shapeNo);
    RunPrint(session, on, [&](platform::TextPage& page) {
        // Any other shape opens and closes the print job only.
        if (kind) {
            PrintList(session, *kind, page);
        }
    });
}

}  // namespace tooling::output
