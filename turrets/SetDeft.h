#pragma once

#include <array>
#include <string>
#include <vector>

#include "turrets/DefaultToolChoice.h"
#include "turrets/TrtTol.h"

namespace tooling::core {
struct Session;
}

namespace tooling::turrets {

// The dialog that chooses one of the library's four default tools: a shape, a size of that
// shape that suits the purpose and one of the tool's station types, chosen in cascade. The form
// that shows it writes the user's selections into the lists' `selected` before it calls an
// event, and shows the state again afterwards.
class SetDeft {
  public:
    // The combo boxes are those of the Tooling dialog.
    using Combo = TrtTol::Combo;

    explicit SetDeft(core::Session& session);

    std::string caption;
    // Prompt(1) to Prompt(3), beside the three lists.
    std::array<std::string, 3> prompts{"Tool Shape :", "Tool Size :", "Station :"};
    std::array<bool, 3> promptVisible{};
    Combo shapeList;
    Combo sizeList;
    Combo stnList;
    bool buttonsDefault = false;  // InptOk and InptCncl are the default and cancel buttons
    bool closed = false;

    // `kind`: 1 X shearing, 2 Y shearing, 3 clearing, 4 nibbling. A stored default of a shape
    // the kind does not take is forgotten here, in memory only.
    void Form_Load(int kind);
    void Form_GotFocus();
    void ShapeList_Click();
    void SizeList_Click();
    void InptOk_Click();
    void InptCncl_Click();

  private:
    char ShapeCode() const;
    // The fill procedure: the shape line chosen, its sizes listed, and the stations of the size
    // selected (the stored default's, or the only one).
    void Fill(int shapeLine);
    // Lists the stations of the selected size.
    void FillStations();
    void Remember();

    core::Session& session_;
    int kind_ = 0;
    bool gotFocus_ = false;
    bool hadDefault_ = false;  // opened on a valid stored default, which the lists preselect
    std::vector<char> shapeCodes_;
    std::vector<ChoiceLine> sizes_;
    std::vector<StationChoice> stations_;
    int shownShape_ = -1;  // the selections the click handlers last acted on
    int shownSize_ = -1;
};

}  // namespace tooling::turrets
