#pragma once

#include <cstdint>
#include <string>

namespace tooling::core {
struct Session;
}

namespace tooling::tools {

// Forgets which station-list lines the add dialogs had selected for the last tool added.
void ClearStnLidx(core::Session& session);

// Empties the state the tool commands share (record in edit, add loop, station choice, special
// name).
void ResetToolCommands(core::Session& session);

// The shape the window starts with: Router on a router machine, Diameter on any other.
void SetStartShape(core::Session& session);

// The Tool Shape menu's item `index` (1 to 14) becomes the current shape and the remembered
// station choice is cleared. Returns false, changing nothing, for any other index and on a
// router machine, whose only shape is Router.
bool ChooseShape(core::Session& session, int index);

// The Tool Shape menu item that carries the check mark for the current shape (1 for Router).
int CheckedShapeItem(const core::Session& session);

}  // namespace tooling::tools
