#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "library/ToolRec.h"
#include "tools/ShapeRules.h"

namespace tooling::core {
struct Session;
}

namespace tooling::tools {

inline constexpr int kAngleBoxes = 6;

// The control that has the keyboard focus; boxes are numbered from 1.
struct ToolDialogFocus {
    enum class Control { None, DimBox, StnList, AngBox, ToolSettings };
    Control control = Control::None;
    int box = 0;
    bool operator==(const ToolDialogFocus&) const = default;
};

// The dialog that adds or edits one tool of the window's current shape (ToolA to ToolM, ToolS
// for special tools, ToolR for router tools): what it shows, and one method per event. The form
// that displays it writes back what the user changed (box texts and selections, the station
// selection, the KeyRound tick) before it calls an event, and shows the state again afterwards.
class ToolDialog {
  public:
    // The dialog of the session's current shape.
    explicit ToolDialog(core::Session& session);

    const ShapeRule& rule() const { return *rule_; }

    std::string caption;
    std::string dimFrameCaption;
    std::vector<std::string> prompts;  // one per dimension box
    std::vector<std::string> boxTexts;
    std::vector<int> boxSelStart;
    std::vector<int> boxSelLength;
    bool dimBoxFocusable = true;  // the name box of a special tool is not

    bool keyRoundVisible = false;
    bool keyRoundChecked = false;

    std::vector<std::string> stnLines;
    std::vector<bool> stnSelected;     // one flag per line
    std::vector<std::int16_t> stnMap;  // the StationTable index of each line

    bool angFrameVisible = false;
    bool angFrameEnabled = false;
    std::array<std::string, kAngleBoxes> angTexts{};
    std::array<int, kAngleBoxes> angSelLength{};

    bool paramPanelVisible = false;
    std::int32_t SettingsNo = 1;

    bool enabled = true;  // false while the tool-settings program runs
    // Called when `enabled` changes during an event, so the form can follow at once.
    std::function<void(bool)> onEnabledChange;

    ToolDialogFocus focus;
    bool closed = false;

    void Form_Load();
    void StnList_Click();
    void DimBox_GotFocus(int box);
    // The key as the box takes it, or 0 when it is refused (after the beep).
    int DimBox_KeyPress(int box, int key);
    int AngBox_KeyPress(int box, int key);
    void InptOk_Click();
    void InptCncl_Click();
    void ToolSettings_Click();

    // The dimensions Ok would store for the texts in the boxes (a special tool's, its drawing's
    // extents), or nothing when Ok would refuse them, a text that does not evaluate among them.
    std::optional<std::array<float, 4>> TypedDims() const;
    // The angle Ok takes from angle box `box` (from 1); nothing when the box is blank or its
    // text does not evaluate.
    std::optional<float> TypedAngle(int box) const;

  private:
    bool Editing() const;
    bool Special() const;
    void LoadRecord();
    void FillStationList();
    void FillAngleFrame();
    bool AnyStation(bool (*test)(std::int16_t kind)) const;
    std::vector<std::size_t> SelectedLines() const;
    // The typed boxes as stored dimensions, or nothing after the refusal.
    std::optional<std::array<float, 4>> TakeDims();
    // The chosen stations into the record; false after the refusal when none is chosen.
    bool TakeStations(library::ToolRec& rec, bool& anglesNeeded);
    void TakeAngles(library::ToolRec& rec, bool anglesNeeded) const;
    void Store(const library::ToolRec& rec);
    // After an edit that changed what names the tool: asks to move the standard turrets'
    // stations that held the old tool to the new one, and does so on Yes.
    void FollowInTurrets(const library::ToolRec& rec);
    void Close();

    core::Session& session_;
    const ShapeRule* rule_;
    library::ToolRec loaded_;
    float extentX_ = 12.0F;
    float extentY_ = 12.0F;
};

}  // namespace tooling::tools
