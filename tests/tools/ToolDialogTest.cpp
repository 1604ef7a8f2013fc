#include "tools/ToolDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

#include "core/RecordBytes.h"
#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "library/ToolFile.h"
#include "tests/support/DataRows.h"
#include "tests/support/FixtureInstallation.h"
#include "tests/support/ToolRecords.h"

namespace tooling::tools {
namespace {

using test::DataRow;
using test::FixtureInstallation;
using test::ToolFileBytes;
using Events = std::vector<std::string>;
using Texts = std::vector<std::string>;
using Angles = std::array<std::string, kAngleBoxes>;
using library::ToolRec;
using library::ToolStation;

constexpr float kNo = library::kNoAngle;
constexpr std::array<float, kAngleBoxes> kZero = {0, kNo, kNo, kNo, kNo, kNo};
constexpr std::array<float, kAngleBoxes> kNone = {kNo, kNo, kNo, kNo, kNo, kNo};
const Events kNoStation = {"beep", "message:Station Type Must Be Selected !"};

// The lines of a station-type file: one type per kind, each with one station.
std::vector<std::string> TypesOfKinds(const std::vector<int>& kinds) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        lines.push_back(n + ",\"Type " + n + "\"," + std::to_string(kinds[i]) + ",10,0,1");
    }
    return lines;
}

ToolRec Rec(char shape, std::string_view descr, std::array<float, 4> dims,
            std::vector<ToolStation> stns, std::array<float, kAngleBoxes> angles,
            std::int32_t settingsNo = 1) {
    ToolRec rec;
    rec.Shape = shape;
    rec.Descr = library::PaddedDescr(descr);
    rec.Dims = dims;
    std::copy(stns.begin(), stns.end(), rec.Stns.begin());
    rec.Angles = angles;
    rec.SettingsNo = settingsNo;
    return rec;
}

class ToolDialogTest : public ::testing::Test {
  protected:
    // Starts the program on a fixture machine, with another station-type file when given.
    void Start(int machine, const std::vector<std::string>& types = {}) {
        fixture = std::make_unique<FixtureInstallation>(machine);
        if (!types.empty()) {
            fixture->Write("Data/Data/Metric.stn", FixtureInstallation::TextFile(types));
        }
        ASSERT_EQ(library::StartSession(session()), core::StartOutcome::Ready);
    }
    core::Session& session() { return fixture->session(); }
    test::FakeUi& ui() { return fixture->ui(); }

    // Opens the dialog of a shape number as Add Tool (record 0) or Edit Tool does.
    ToolDialog& Open(std::int16_t shapeNo, std::int16_t editRecNo = 0) {
        session().win.CurShapeNo = shapeNo;
        session().cmd.EditRecNo = editRecNo;
        dialog = std::make_unique<ToolDialog>(session());
        dialog->Form_Load();
        return *dialog;
    }
    template <typename Line = std::size_t>
    void Select(const std::vector<Line>& lines) {
        dialog->stnSelected.assign(dialog->stnLines.size(), false);
        for (const Line line : lines) {
            dialog->stnSelected.at(static_cast<std::size_t>(line)) = true;
        }
        dialog->StnList_Click();
    }
    // Types the boxes, picks the stations and presses Ok.
    void Add(std::int16_t shapeNo, const Texts& boxes, const std::vector<std::size_t>& lines) {
        Open(shapeNo);
        dialog->boxTexts = boxes;
        Select(lines);
        dialog->InptOk_Click();
    }
    std::string FileBytes(char code) {
        return test::ReadFile(library::ToolFilePath(session(), code));
    }
    void Store(char code, const ToolRec& rec) { library::InsertTool(session(), code, rec, 0); }

    std::unique_ptr<FixtureInstallation> fixture;
    std::unique_ptr<ToolDialog> dialog;
};

TEST_F(ToolDialogTest, AddAndEditCaptionsPromptsAndLoadedTexts) {
    Start(FixtureInstallation::kMetric);
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "dialog-loads.txt")) {
        SCOPED_TRACE("line " + std::to_string(row.line));
        const std::int16_t shapeNo = static_cast<std::int16_t>(std::stoi(row.fields[0]));
        const char code = row.fields.at(1)[0];
        const std::string& name = row.fields.at(2);
        const std::array<float, 4> dims = test::DimsOf(row.fields.at(4));
        const Texts texts = test::Split(row.fields.at(5), ';');
        std::filesystem::remove(library::ToolFilePath(session(), code));
        Store(code, Rec(code, name, dims, {{2, 10}}, kZero));
        for (const std::int16_t recNo : {0, 1}) {
            const ToolDialog& d = Open(shapeNo, recNo);
            std::string shownPrompts;
            for (const std::string& prompt : d.prompts) {
                shownPrompts += (shownPrompts.empty() ? "" : ";") + prompt;
            }
            EXPECT_EQ(d.caption, (recNo == 0 ? "Add " : "Edit ") + name);
            EXPECT_EQ(d.dimFrameCaption, "Tool Dimensions");
            EXPECT_EQ(shownPrompts, row.fields.at(3));
            EXPECT_EQ(d.boxTexts, recNo == 0 ? Texts(texts.size()) : texts);
            EXPECT_EQ(d.keyRoundVisible, shapeNo == 11);
            EXPECT_EQ(d.keyRoundChecked, recNo == 1 && dims[2] < 0);
            EXPECT_EQ(d.angFrameVisible, shapeNo != 1 && shapeNo != 21);
            EXPECT_TRUE(d.paramPanelVisible);
            EXPECT_EQ(d.focus, (ToolDialogFocus{ToolDialogFocus::Control::DimBox, 1}));
        }
    }
    EXPECT_TRUE(ui().events.empty());
}

TEST_F(ToolDialogTest, ImperialDisplayTypesAndShowsInches) {
    Start(FixtureInstallation::kImperial);
    Add(1, {"1"}, {0});
    Add(1, {"10/25.4"}, {0});
    EXPECT_TRUE(ui().events.empty());
    EXPECT_EQ(FileBytes('A'),
              ToolFileBytes({Rec('A', "Diameter", {10, 10, 0, 0}, {{1, 10}}, kZero),
                             Rec('A', "Diameter", {25.4F, 25.4F, 0, 0}, {{1, 10}}, kZero)}));
    EXPECT_EQ(Open(1, 1).boxTexts, Texts{"0.3937"});
    EXPECT_EQ(Open(1, 2).boxTexts, Texts{"1"});
    session().machine.ImperialDisplay = false;
    EXPECT_EQ(Open(1, 2).boxTexts, Texts{"25.4"});
}

TEST_F(ToolDialogTest, OkStoresTheRecordAndCancelEndsTheAddLoop) {
    Start(FixtureInstallation::kMetric);
    session().cmd.AddAgain = true;
    Add(4, {"-10", "(2+3)*2/2"}, {1, 2});
    EXPECT_TRUE(dialog->closed);
    EXPECT_TRUE(session().cmd.AddAgain);
    const ToolRec rectangle =
        Rec('D', "Rectangle", {10, 5, 0, 0}, {{2, 10}, {3, 11}}, {0, 90, kNo, kNo, kNo, kNo});
    const std::string bytes = FileBytes('D');
    EXPECT_EQ(bytes,
              ToolFileBytes({rectangle}));  // the layout: ToolRecord.HoldsEveryFieldAtItsOffset

    ToolDialog& next = Open(4);
    EXPECT_EQ(next.stnSelected, (std::vector<bool>{false, true, true, false, false, false, false}));
    next.InptCncl_Click();
    EXPECT_TRUE(next.closed);
    EXPECT_FALSE(session().cmd.AddAgain);
    EXPECT_EQ(FileBytes('D'), bytes);

    // Editing keeps the add loop's flag, the station choice from the record, and writes
    // DefMark 0 and a settings number of at least 1.
    ToolRec marked = rectangle;
    marked.DefMark = 1;
    marked.SettingsNo = 0;
    test::WriteFile(library::ToolFilePath(session(), 'D'), ToolFileBytes({marked}));
    session().cmd.AddAgain = true;
    ToolDialog& edit = Open(4, 1);
    EXPECT_EQ(edit.stnSelected, (std::vector<bool>{false, true, true, false, false, false, false}));
    EXPECT_EQ(edit.angTexts, (Angles{"0", "90"}));
    edit.boxTexts = {"30", "20"};
    edit.InptOk_Click();
    EXPECT_TRUE(edit.closed);
    EXPECT_TRUE(session().cmd.AddAgain);
    ToolRec edited = rectangle;
    edited.Dims = {30, 20, 0, 0};
    EXPECT_EQ(FileBytes('D'), ToolFileBytes({edited}));
    EXPECT_TRUE(ui().events.empty());
}

TEST_F(ToolDialogTest, RefusalsKeepTheDialogOpenAndWriteNothing) {
    Start(FixtureInstallation::kMetric);
    for (const DataRow& row : test::ReadDataRows(TOOLING_DATA_DIR "dialog-refusals.txt")) {
        ui().events.clear();
        Open(static_cast<std::int16_t>(std::stoi(row.fields[0])));
        const Texts texts = test::Split(row.fields.at(1), ';');
        dialog->boxTexts = texts;
        dialog->keyRoundChecked = row.fields.at(3) == "round";
        Select(test::NumbersOf(row.fields.at(2)));
        dialog->InptOk_Click();
        EXPECT_EQ(ui().events, (Events{"beep", "message:" + row.fields.at(4)})) << row.line;
        EXPECT_FALSE(dialog->closed);
        EXPECT_EQ(dialog->boxTexts, texts);
    }
    for (const char code : {'A', 'B', 'C', 'K', 'M'}) {
        EXPECT_FALSE(test::FileExists(library::ToolFilePath(session(), code))) << code;
    }
}

TEST_F(ToolDialogTest, RememberedStationChoiceCoversLongListsAndSevenSelections) {
    std::vector<int> kinds(20, 10);
    Start(FixtureInstallation::kMetric, TypesOfKinds(kinds));
    Add(2, {"10"}, {14, 19});
    EXPECT_TRUE(dialog->closed);
    std::vector<bool> chosen(20, false);
    chosen[14] = chosen[19] = true;
    EXPECT_EQ(Open(2).stnSelected, chosen);
    EXPECT_EQ(session().cmd.StnLidx[19], 1);

    // Seven lines selected: the first six are stored; the seventh keeps its remembered flag.
    Start(FixtureInstallation::kMetric);
    session().cmd.StnLidx[6] = 0;
    session().cmd.StnLidx[7] = 1;  // no such line
    Add(2, {"10"}, {0, 1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(ui().events.empty());
    EXPECT_EQ(FileBytes('B'),
              ToolFileBytes({Rec('B', "Square", {10, 10, 0, 0},
                                 {{1, 10}, {2, 10}, {3, 11}, {4, 12}, {5, 20}, {6, 21}},
                                 {0, 45, kNo, kNo, kNo, kNo})}));
    const std::vector<std::int16_t> remembered(session().cmd.StnLidx.begin(),
                                               session().cmd.StnLidx.begin() + 9);
    EXPECT_EQ(remembered, (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 0, 1, 0}));
}

TEST_F(ToolDialogTest, SingleStationIsSelectedWhenAdding) {
    Start(FixtureInstallation::kRouter);
    ToolDialog& add = Open(21);
    EXPECT_EQ(add.stnLines, Texts{"Router Spindle"});
    EXPECT_EQ(add.stnSelected, std::vector<bool>{true});
    EXPECT_FALSE(add.paramPanelVisible);
    add.boxTexts = {"6"};
    add.InptOk_Click();
    EXPECT_EQ(FileBytes('A'),
              ToolFileBytes({Rec('A', "Diameter", {6, 6, 0, 0}, {{1, 40}}, kZero)}));

    // Editing shows the record's stations only.
    ToolRec other = Rec('A', "Diameter", {8, 8, 0, 0}, {{5, 10}}, kZero);
    Store('A', other);
    EXPECT_EQ(Open(21, 2).stnSelected, std::vector<bool>{false});
    dialog->InptOk_Click();
    EXPECT_EQ(ui().events, kNoStation);
}

TEST_F(ToolDialogTest, AngleFrameAndStoredAnglesFollowTheStationKinds) {
    // Lines 0 to 6 hold the kinds 10, 19, 20, 29, 30, 39, 40.
    Start(FixtureInstallation::kMetric, TypesOfKinds({10, 19, 20, 29, 30, 39, 40}));
    const std::tuple<std::size_t, bool, bool, Angles, std::array<float, 6>> rows[] = {
        // line, enabled at load (remembered), enabled by the click, boxes, stored angles
        {0, true, true, {"0", "45"}, {0, 45, kNo, kNo, kNo, kNo}},
        {1, true, true, {"0", "45"}, {0, 45, kNo, kNo, kNo, kNo}},
        {2, false, false, {}, kZero},
        {3, false, false, {}, kZero},
        {4, false, false, {}, kNone},
        {5, false, false, {}, kNone},
        {6, true, false, {}, kNone},
    };
    for (const auto& [line, atLoad, byClick, boxes, stored] : rows) {
        session().cmd.StnLidx = {};
        session().cmd.StnLidx[line] = 1;
        std::filesystem::remove(library::ToolFilePath(session(), 'B'));
        ToolDialog& d = Open(2);
        EXPECT_EQ(d.angFrameEnabled, atLoad) << line;
        d.angTexts[0] = "90";
        d.StnList_Click();
        EXPECT_EQ(d.angFrameEnabled, byClick) << line;
        d.angTexts[0].clear();
        d.StnList_Click();
        EXPECT_EQ(d.angTexts, boxes) << line;
        d.boxTexts = {"10"};
        d.InptOk_Click();
        EXPECT_EQ(library::ReadToolFile(session(), 'B').at(0).Angles, stored) << line;
    }

    const std::tuple<Angles, std::array<float, 6>> typed[] = {
        {{"0", "360", "-360"}, kZero},
        {{" ", "", "-0"}, kZero},
        {{"270", "", "90", "450", "-10", "12.3456"}, {12.346F, 90, 270, 350, kNo, kNo}},
    };
    for (const auto& [boxes, stored] : typed) {
        std::filesystem::remove(library::ToolFilePath(session(), 'G'));
        Open(7);
        Select({0});
        dialog->boxTexts = {"10", "8"};
        dialog->angTexts = boxes;
        dialog->InptOk_Click();
        EXPECT_EQ(FileBytes('G'),
                  ToolFileBytes({Rec('G', "Single-D", {10, 8, 0, 0}, {{1, 10}}, stored)}))
            << boxes[0];
    }
    EXPECT_TRUE(ui().events.empty());
}

TEST_F(ToolDialogTest, SpecialToolsTakeTheirDrawingsExtents) {
    Start(FixtureInstallation::kMetric);
    std::string drawing(518, '\0');
    core::RecordBytes(drawing).PutFloat(150, 25.456F);
    core::RecordBytes(drawing).PutFloat(154, 10.125F);
    const std::string prefix = session().lib.ToolLibPrefix;
    test::WriteFile(prefix + "lkp", "Bracket,3\r\n******\r\n");
    test::WriteFile(prefix + "3", drawing);

    for (const char* name : {"Bracket", "Missing"}) {
        session().cmd.SpecialName = name;
        ToolDialog& d = Open(kSpecialShapeNo);
        EXPECT_EQ(d.caption, "Add Special");
        EXPECT_EQ(d.dimFrameCaption, "Tool Name");
        EXPECT_EQ(d.boxTexts, Texts{name});
        EXPECT_EQ(d.focus, (ToolDialogFocus{ToolDialogFocus::Control::StnList, 0}));
        d.DimBox_GotFocus(1);
        EXPECT_EQ(d.focus, (ToolDialogFocus{ToolDialogFocus::Control::StnList, 0}));
        Select({0});
        EXPECT_EQ(d.angTexts, (Angles{"0"}));
        d.InptOk_Click();
        EXPECT_TRUE(d.closed);
    }
    const ToolRec bracket = Rec('S', "Bracket", {25.46F, 10.12F, 0, 0}, {{1, 10}}, kZero);
    EXPECT_EQ(FileBytes('S'),
              ToolFileBytes({bracket, Rec('S', "Missing", {12, 12, 0, 0}, {{1, 10}}, kZero)}));

    // Editing keeps the name; stations and angles change.
    session().cmd.SpecialName.clear();
    ToolDialog& edit = Open(kSpecialShapeNo, 1);
    EXPECT_EQ(edit.caption, "Edit Special");
    EXPECT_EQ(edit.boxTexts, Texts{"Bracket"});
    EXPECT_EQ(session().cmd.SpecialName, "Bracket");
    Select({0, 1});
    edit.angTexts = {"90"};
    edit.InptOk_Click();
    ToolRec moved = bracket;
    moved.Stns[1] = {2, 10};
    moved.Angles[0] = 90;
    EXPECT_EQ(library::ReadTool(session(), 'S', 1), moved);
    EXPECT_TRUE(ui().events.empty());
}

TEST_F(ToolDialogTest, StoreFailuresAreShownAndTheDialogStaysOpen) {
    Start(FixtureInstallation::kMetric);
    Store('B', Rec('B', "Square", {20, 20, 0, 0}, {{1, 10}}, kZero));
    ToolDialog& edit = Open(2, 1);
    // Another instance adds a smaller tool: record 1 is no longer the one loaded.
    Store('B', Rec('B', "Square", {5, 5, 0, 0}, {{1, 10}}, kZero));
    const std::string before = FileBytes('B');
    edit.boxTexts = {"30"};
    edit.InptOk_Click();
    EXPECT_EQ(ui().events, (Events{"beep", "message:Tool Has Been Changed By Another User !"}));
    EXPECT_FALSE(edit.closed);
    EXPECT_EQ(FileBytes('B'), before);

    // A tool file that cannot be written.
    ui().events.clear();
    const std::string path = library::ToolFilePath(session(), 'C');
    std::filesystem::create_directory(path);
    Add(3, {"10", "2"}, {0});
    ASSERT_EQ(ui().events.size(), 2U);
    EXPECT_EQ(ui().events[1].rfind("message:\"" + path + "\"", 0), 0U) << ui().events[1];
    EXPECT_FALSE(dialog->closed);

    // The record asked for has gone.
    ui().events.clear();
    EXPECT_TRUE(Open(2, 3).closed);
    EXPECT_EQ(ui().events, (Events{"beep", "message:Tool Has Been Changed By Another User !"}));
}

TEST_F(ToolDialogTest, KeysSettingsAndSelectionOnFocus) {
    Start(FixtureInstallation::kMetric);
    ToolDialog& d = Open(3);
    // The dimension boxes take expressions, the angle boxes signed numbers.
    const std::tuple<bool, int, int, std::int16_t> keys[] = {
        {true, '(', '(', -6}, {true, 'a', 0, -6}, {false, '-', '-', -5}, {false, '(', 0, -5}};
    for (const auto& [dimBox, key, taken, mode] : keys) {
        ui().events.clear();
        EXPECT_EQ(dimBox ? d.DimBox_KeyPress(2, key) : d.AngBox_KeyPress(6, key), taken) << key;
        EXPECT_EQ(session().cmd.KeyMode, mode);
        EXPECT_EQ(ui().events, taken == 0 ? Events{"beep"} : Events{});
    }
    d.boxTexts = {"12.5", ""};
    d.DimBox_GotFocus(1);
    d.DimBox_GotFocus(2);
    EXPECT_EQ(d.boxSelLength, (std::vector<int>{4, 0}));
    EXPECT_EQ(d.focus, (ToolDialogFocus{ToolDialogFocus::Control::DimBox, 2}));

    // The settings program gets the dialog's number and leaves the tool's number in the
    // exchange file; the dialog is disabled while it runs.
    fixture->Write("Program/KesSet.exe", "settings program stand-in\n");
    std::vector<bool> enabled;
    d.onEnabledChange = [&](bool on) { enabled.push_back(on); };
    std::string given;
    auto& process = dynamic_cast<test::FakeProcess&>(session().os.process);
    process.whileRunning = [&](const std::string&) {
        given = fixture->Read("Program/Settings.cfg");
        enabled.push_back(d.enabled);
        fixture->Write("Program/Settings.cfg", " 5 \r\nDefault\r\n 42 \r\n******\r\n");
    };
    d.SettingsNo = 7;
    d.ToolSettings_Click();
    EXPECT_EQ(given, " 5 \r\nDefault\r\n 7 \r\n******\r\n");
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(d.SettingsNo, 42);
    EXPECT_EQ(d.focus, (ToolDialogFocus{ToolDialogFocus::Control::ToolSettings, 0}));
    d.boxTexts = {"10", "2"};
    Select({0});
    d.InptOk_Click();
    EXPECT_EQ(library::ReadTool(session(), 'C', 1)->SettingsNo, 42);
}

}  // namespace
}  // namespace tooling::tools
