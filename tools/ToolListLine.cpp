#include "tools/ToolListLine.h"

#include "core/Session.h"
#include "library/ToolListTexts.h"
#include "library/ToolSizeText.h"

namespace tooling::tools {

namespace {

char ShapeCode(const core::Session& session, const library::ToolRec& rec) {
    return session.win.CurShapeCode.empty() ? rec.Shape : session.win.CurShapeCode.front();
}

}  // namespace

ToolListLine ListLine(const core::Session& session, const library::ToolRec& rec) {
    const char code = ShapeCode(session, rec);
    ToolListLine line;
    line.size = library::ToolSizeText(code, rec, session.machine.ImperialDisplay);
    line.stations = library::StationNames(session.machine, rec);
    if (code != 'A') {
        line.angles = library::AngleList(rec);
    }
    return line;
}

}  // namespace tooling::tools
