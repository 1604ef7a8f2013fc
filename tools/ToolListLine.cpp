#include "tools/ToolListLine.h"

#include "core/Session.h"
#include "core/Text.h"
#include "library/ToolSizeText.h"
#include "numeric/NumText.h"

namespace tooling::tools {

namespace {

char ShapeCode(const core::Session& session, const library::ToolRec& rec) {
    return session.win.CurShapeCode.empty() ? rec.Shape : session.win.CurShapeCode.front();
}

std::string StationNames(const core::Machine& machine, const library::ToolRec& rec) {
    std::string names;
    for (const library::ToolStation& stn : rec.Stns) {
        // A type outside the machine's table (a damaged file) names no station.
        if (stn.StnType < 1 || stn.StnType > core::kMaxStationType) {
            continue;
        }
        const std::string name =
            core::Trim(machine.StationTable[static_cast<std::size_t>(stn.StnType)].name);
        if (!name.empty()) {
            names += (names.empty() ? "" : ", ") + name;
        }
    }
    return names;
}

std::string AngleText(const library::ToolRec& rec) {
    std::string text;
    for (const library::ToolStation& stn : rec.Stns) {
        if (stn.StnType != 0 && core::IsIndexStation(stn.StnKind)) {
            text = "idx, ";
            break;
        }
    }
    for (const float angle : rec.Angles) {
        if (angle >= 0.0F) {
            text += numeric::NumText(angle, -1) + ", ";
        }
    }
    text = core::Trim(text);
    // A tool with neither an angle nor an index station (it sits only in stations of kind 40 or
    // more, which turn no tool) has no angle to show: its column stays empty.
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

}  // namespace

ToolListLine ListLine(const core::Session& session, const library::ToolRec& rec) {
    const char code = ShapeCode(session, rec);
    ToolListLine line;
    line.size = library::ToolSizeText(code, rec, session.machine.ImperialDisplay);
    line.stations = StationNames(session.machine, rec);
    if (code != 'A') {
        line.angles = AngleText(rec);
    }
    return line;
}

}  // namespace tooling::tools
