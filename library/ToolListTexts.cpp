#include "library/ToolListTexts.h"

#include "core/Machine.h"
#include "core/Text.h"
#include "numeric/NumText.h"

namespace tooling::library {

std::string StationNames(const core::Machine& machine, const ToolRec& rec) {
    std::string names;
    for (const ToolStation& stn : rec.Stns) {
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

std::string AngleList(const ToolRec& rec) {
    std::string text;
    for (const ToolStation& stn : rec.Stns) {
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

}  // namespace tooling::library
