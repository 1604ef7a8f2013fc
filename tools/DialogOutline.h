#pragma once

#include <optional>

#include "tools/ToolOutline.h"

namespace tooling::core {
struct Session;
}

namespace tooling::tools {

class ToolDialog;

// What a tool dialog's picture shows while the user types.
struct DialogOutline {
    // The tool as Ok would store it, turned to `angle`; nothing while Ok would refuse the
    // dimensions or a text in use does not evaluate.
    std::optional<ToolOutline> outline;
    float angle = 0;  // as Ok stores it
    // A chosen station is an index station, which turns the tool to any angle.
    bool indexStation = false;
};

// The picture of `dialog`. The tool sits at the angle of angle box `angleBox` (from 1; the box
// the user is at) when that box holds one, else at the first angle Ok would store, and at 0 when
// the angle frame is closed or empty.
DialogOutline OutlineOfDialog(const core::Session& session, const ToolDialog& dialog, int angleBox);

}  // namespace tooling::tools
