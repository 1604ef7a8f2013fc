#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "library/ToolRec.h"
#include "turrets/PickedTool.h"

namespace tooling::core {
struct Session;
}

namespace tooling::turrets {

// The Tooling dialog that picks a tool for one turret station: a shape, one of the library's
// tools of that shape that fit the station's type, the station type and a load angle, chosen in
// cascade. The form that shows it writes the user's selections into the lists' `selected`
// before it calls an event, and shows the state again afterwards.
class TrtTol {
  public:
    // A combo box of the dialog; `selected` is -1 when nothing is.
    struct Combo {
        std::vector<std::string> lines;
        int selected = -1;
        bool visible = false;
        bool enabled = true;
    };

    explicit TrtTol(core::Session& session);

    std::string caption = "Tooling";
    // Prompt(1) to Prompt(4), above the four lists.
    std::array<std::string, 4> prompts{"Tool Shape :", "Tool Size :", "Station :", "Angle :"};
    std::array<bool, 4> promptVisible{};
    Combo shapeList;
    Combo sizeList;
    Combo stnList;
    Combo angList;
    bool buttonPanelVisible = false;
    bool buttonsDefault = false;  // InptOk and InptCncl are the default and cancel buttons
    bool closed = false;

    // The choice handed back: valid once Ok has been accepted.
    PickedTool picked;

    // `stationType` is the type of the station being filled.
    void Form_Load(std::int16_t stationType);
    void Form_GotFocus();
    void ShapeList_Click();
    void SizeList_Click();
    void StnList_Click();
    void InptOk_Click();
    void InptCncl_Click();

  private:
    char ShapeCode() const;
    // The record behind the selected size line, when the file still holds it.
    std::optional<library::ToolRec> ChosenTool() const;
    // Fills the size list with the live tools of the shape that fit the station, each line made
    // by `text`.
    template <typename Text>
    void FillSizes(char shapeCode, Text text);
    // Selecting a line from code raises the list's click, as a user's selection does.
    void SelectStation(int line);
    bool IndexPair() const;
    void Remember();

    core::Session& session_;
    std::int16_t stationType_ = 0;
    bool gotFocus_ = false;
    std::vector<std::int16_t> sizeRecNos_;  // the item data of the size lines
    std::vector<library::ToolStation> stnChoice_;
    int shownShape_ = -1;  // the selections the click handlers last acted on
    int shownSize_ = -1;
    int shownStn_ = -1;
};

}  // namespace tooling::turrets
