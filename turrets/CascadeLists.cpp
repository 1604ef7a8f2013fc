#include "turrets/CascadeLists.h"

namespace tooling::turrets {

bool Chosen(const TrtTol::Combo& combo) {
    return combo.selected >= 0 && combo.selected < static_cast<int>(combo.lines.size());
}

void Empty(TrtTol::Combo& combo) {
    combo.lines.clear();
    combo.selected = -1;
}

}  // namespace tooling::turrets
