#include "tools/ShapeChoice.h"

#include "core/Session.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {

void ClearStnLidx(core::Session& session) {
    session.cmd.StnLidx.fill(0);
}

void ResetToolCommands(core::Session& session) {
    session.cmd.EditRecNo = 0;
    session.cmd.AddAgain = false;
    session.cmd.SpecialName.clear();
    ClearStnLidx(session);
}

void SetStartShape(core::Session& session) {
    session.win.CurShapeNo = session.machine.RouterMachine ? kRouterShapeNo : std::int16_t{1};
    session.win.CurShapeCode.assign(1, kShapes[0].code);  // Router tools lie in the "A" file
}

bool ChooseShape(core::Session& session, int index) {
    if (index < 1 || index > kShapeCount || session.machine.RouterMachine) {
        return false;
    }
    session.win.CurShapeNo = static_cast<std::int16_t>(index);
    session.win.CurShapeCode.assign(1, kShapes[static_cast<std::size_t>(index - 1)].code);
    ClearStnLidx(session);
    return true;
}

int CheckedShapeItem(const core::Session& session) {
    const int shapeNo = session.win.CurShapeNo;
    if (shapeNo < 1 || shapeNo > kShapeCount) {
        return 1;
    }
    return shapeNo;
}

}  // namespace tooling::tools
