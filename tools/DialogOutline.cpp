#include "tools/DialogOutline.h"

#include <algorithm>

#include "core/Session.h"
#include "core/Text.h"
#include "tools/ToolDialog.h"

namespace tooling::tools {

namespace {

bool Blank(const ToolDialog& dialog, int box) {
    return core::Trim(dialog.angTexts[static_cast<std::size_t>(box - 1)]).empty();
}

// The angle the tool sits at; nothing while a text in use does not evaluate.
std::optional<float> SittingAngle(const ToolDialog& dialog, int angleBox) {
    if (!dialog.rule().hasAngles || !dialog.angFrameEnabled) {
        return 0.0F;
    }
    if (angleBox >= 1 && angleBox <= kAngleBoxes && !Blank(dialog, angleBox)) {
        return dialog.TypedAngle(angleBox);
    }
    // Ok stores the angles in ascending order.
    std::optional<float> first;
    for (int box = 1; box <= kAngleBoxes; ++box) {
        if (Blank(dialog, box)) {
            continue;
        }
        const std::optional<float> angle = dialog.TypedAngle(box);
        if (!angle) {
            return std::nullopt;
        }
        first = std::min(first.value_or(*angle), *angle);
    }
    return first.value_or(0.0F);
}

}  // namespace

DialogOutline OutlineOfDialog(const core::Session& session, const ToolDialog& dialog,
                              int angleBox) {
    DialogOutline shown;
    for (std::size_t line = 0; line < dialog.stnSelected.size() && line < dialog.stnMap.size();
         ++line) {
        const auto index = static_cast<std::size_t>(dialog.stnMap[line]);
        if (dialog.stnSelected[line] && index < session.machine.StationTable.size() &&
            core::IsIndexStation(session.machine.StationTable[index].kind)) {
            shown.indexStation = true;
        }
    }
    const std::optional<std::array<float, 4>> dims = dialog.TypedDims();
    const std::optional<float> angle = SittingAngle(dialog, angleBox);
    if (!dims || !angle) {
        return shown;
    }
    const std::string name = dialog.boxTexts.empty() ? std::string() : dialog.boxTexts[0];
    const std::optional<ToolOutline> outline = OutlineOf(dialog.rule().code, *dims, name);
    if (outline) {
        shown.angle = *angle;
        shown.outline = Turned(*outline, *angle);
    }
    return shown;
}

}  // namespace tooling::tools
