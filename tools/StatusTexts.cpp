#include "tools/StatusTexts.h"

#include "core/Session.h"
#include "core/Text.h"
#include "tools/ToolShapes.h"

namespace tooling::tools {

StatusTexts MakeStatusTexts(const core::Session& session) {
    return StatusTexts{
        .left = " " + session.lib.LibraryName + " ",
        .middle = " " + ShapeName(session.win.CurShapeNo),
        .right = core::Trim(session.machine.MachineName) + " ",
    };
}

}  // namespace tooling::tools
