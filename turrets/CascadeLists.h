#pragma once

// The lists of the dialogs that choose a shape, a size and a station in cascade (TrtTol, SetDeft).

#include <cstddef>
#include <functional>

#include "platform/Ui.h"
#include "turrets/TrtTol.h"

namespace tooling::turrets {

// Whether one of the combo's lines is selected.
bool Chosen(const TrtTol::Combo& combo);

// Clears the combo's lines and its selection.
void Empty(TrtTol::Combo& combo);

// Ok's checks of a shape, a size and a station list, from the top. A size or station list of one
// line has it selected first, and its click raised (`stnClick` may be empty); a station line must
// also stand for one of `stations`. Refuses with what must be selected at the first list that has
// no choice, and then returns false.
template <typename Stations>
bool CascadeChosen(platform::Ui& ui, const TrtTol::Combo& shapeList, TrtTol::Combo& sizeList,
                   TrtTol::Combo& stnList, const std::function<void()>& sizeClick,
                   const std::function<void()>& stnClick, const Stations& stations) {
    if (!Chosen(shapeList)) {
        ui.Refuse("Tool Type Must Be Selected !");
        return false;
    }
    if (sizeList.lines.size() == 1) {
        sizeList.selected = 0;
        sizeClick();
    }
    if (!Chosen(sizeList)) {
        ui.Refuse("Tool Size Must Be Selected !");
        return false;
    }
    if (stnList.lines.size() == 1) {
        stnList.selected = 0;
        if (stnClick) {
            stnClick();
        }
    }
    if (!Chosen(stnList) || static_cast<std::size_t>(stnList.selected) >= stations.size()) {
        ui.Refuse("Station Type Must Be Selected !");
        return false;
    }
    return true;
}

}  // namespace tooling::turrets
