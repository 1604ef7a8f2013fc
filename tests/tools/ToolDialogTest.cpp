#include "tools/ToolDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>

#include "core/RecordBytes.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "library/LibrarySetUp.h"
#include "library/ToolFile.h"
#include "tests/support/FixtureInstallation.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/LibraryFixture.h"
#include "tests/support/ToolRows.h"
#include "tests/tools/Transcript.h"
#include "tools/DialogOutline.h"
#include "tools/ToolSettings.h"

namespace tooling::tools {
namespace {

using test::FixtureInstallation;
using Texts = std::vector<std::string>;
using library::ToolRec;

// Every field of a tool record.
std::string Described(const ToolRec& rec) {
    std::string stations;
    for (const library::ToolStation& stn : rec.Stns) {
        stations += " " + std::to_string(stn.StnType) + "/" + std::to_string(stn.StnKind);
    }
    return rec.Shape + (" \"" + rec.Descr + "\" ") + Joined(rec.Dims, " ") + stations + " " +
           Joined(rec.Angles, " ") + " mark " + std::to_string(rec.DefMark) + " settings " +
           std::to_string(rec.SettingsNo);
}

// What the dialog shows: caption, frame caption, prompts = boxes (with the selected lengths), the
// KeyRound tick, the stations selected of all lines, the angle frame and its boxes, the
// parameter panel, the focus, the settings number, and whether it is disabled or closed.
std::string Shown(const ToolDialog& d) {
    std::string text = d.caption + " [" + d.dimFrameCaption + "] " + Joined(d.prompts) + " = " +
                       Joined(d.boxTexts) + " sel " + Joined(d.boxSelLength);
    text += d.keyRoundVisible ? (d.keyRoundChecked ? " round" : " square") : "";
    text += " stations";
    for (std::size_t i = 0; i < d.stnSelected.size(); ++i) {
        text += d.stnSelected[i] ? " " + std::to_string(i) : "";
    }
    text += " of " + std::to_string(d.stnLines.size());
    text += !d.angFrameVisible ? " no angles" : d.angFrameEnabled ? " angles " : " angles off ";
    text += d.angFrameVisible ? Joined(d.angTexts) : "";
    text += d.paramPanelVisible ? " params" : "";
    text += " focus " + std::to_string(static_cast<int>(d.focus.control)) + "/" +
            std::to_string(d.focus.box) + " settings " + std::to_string(d.SettingsNo);
    return text + (d.enabled ? "" : " disabled") + (d.closed ? " closed" : "");
}

class ToolDialogTest : public TranscriptTest {
  protected:
    // Starts the program on a fixture machine; given station kinds, its station types are one
    // type of each kind with one station.
    void Start(int machine, const std::vector<int>& kinds = {}) {
        fixture = std::make_unique<FixtureInstallation>(machine);
        std::vector<std::string> types;
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            types.push_back(n + ",\"Type " + n + "\"," + std::to_string(kinds[i]) + ",10,0,1");
        }
        if (!types.empty()) {
            fixture->Write("Data/Data/Metric.stn", core::TextFileBytes(types));
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

    // Notes the step, the dialog, the messages since the last note, the add loop's flag and the
    // records of the tool file `code`.
    void Note(const std::string& step, char code = 0) {
        transcript += step + ": " + Shown(*dialog) + (session().cmd.AddAgain ? " again" : "");
        NoteEvents(ui().events);
        if (code != 0 && test::FileExists(library::ToolFilePath(session(), code))) {
            for (const ToolRec& rec : library::ReadToolFile(session(), code)) {
                transcript += "\n  " + Described(rec);
            }
        }
        transcript += "\n";
    }

    std::unique_ptr<FixtureInstallation> fixture;
    std::unique_ptr<ToolDialog> dialog;
};

TEST_F(ToolDialogTest, AddAndEditOfEachShape) {
    Start(FixtureInstallation::kMetric);
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/dialog-loads.txt")) {
        const char code = row.fields.at(1)[0];
        const ToolRec rec =
            test::Tool(code, row.fields.at(2), test::DimsOf(row.fields.at(3)), {{2, 10}}, {0}, 0);
        std::filesystem::remove(library::ToolFilePath(session(), code));
        library::InsertTool(session(), code, rec, 0);
        for (const std::int16_t recNo : {0, 1}) {
            Open(static_cast<std::int16_t>(std::stoi(row.fields[0])), recNo);
            Note("line " + std::to_string(row.line) + " record " + std::to_string(recNo));
        }
    }
}

TEST_F(ToolDialogTest, ImperialDisplayTypesAndShowsInches) {
    Start(FixtureInstallation::kImperial);
    Add(1, {"1"}, {0});
    Add(1, {"10/25.4"}, {0});
    Note("added 1 and 10/25.4", 'A');
    Open(1, 1);
    Note("edit 1");
    Open(1, 2);
    Note("edit 2");
}

TEST_F(ToolDialogTest, OkStoresTheRecordAndCancelEndsTheAddLoop) {
    Start(FixtureInstallation::kMetric);
    session().cmd.AddAgain = true;
    Add(4, {"-10", "(2+3)*2/2"}, {1, 2});
    Note("ok", 'D');
    Open(4);
    Note("again");
    dialog->InptCncl_Click();
    Note("cancel", 'D');

    // Editing writes DefMark 0 and a settings number of at least 1.
    ToolRec marked = library::ReadToolFile(session(), 'D').at(0);
    marked.DefMark = 1;
    marked.SettingsNo = 0;
    test::WriteFile(library::ToolFilePath(session(), 'D'), library::ToolRecBytes(marked));
    session().cmd.AddAgain = true;
    Open(4, 1);
    Note("edit");
    dialog->boxTexts = {"30", "20"};
    dialog->InptOk_Click();
    Note("ok", 'D');
}

TEST_F(ToolDialogTest, RefusalsKeepTheDialogOpenAndWriteNothing) {
    Start(FixtureInstallation::kMetric);
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/dialog-refusals.txt")) {
        const auto shapeNo = static_cast<std::int16_t>(std::stoi(row.fields[0]));
        Open(shapeNo);
        dialog->boxTexts = test::Split(row.fields.at(1), ';');
        dialog->keyRoundChecked = row.fields.at(3) == "round";
        Select(test::NumbersOf(row.fields.at(2)));
        dialog->InptOk_Click();
        Note("line " + std::to_string(row.line));
    }
    for (const char code : {'A', 'B', 'C', 'K', 'M'}) {
        EXPECT_FALSE(test::FileExists(library::ToolFilePath(session(), code))) << code;
    }
}

TEST_F(ToolDialogTest, RememberedStationChoiceCoversLongListsAndSevenSelections) {
    const auto remembered = [&](std::size_t count) {
        return " remembered " + Joined(std::span(session().cmd.StnLidx).first(count), "");
    };
    Start(FixtureInstallation::kMetric, std::vector<int>(20, 10));
    Add(2, {"10"}, {14, 19});
    Note("ok" + remembered(20));
    Open(2);
    Note("add");

    // Seven lines selected: the first six are stored; the seventh keeps its remembered flag.
    Start(FixtureInstallation::kMetric);
    session().cmd.StnLidx[6] = 0;
    session().cmd.StnLidx[7] = 1;  // no such line
    Add(2, {"10"}, {0, 1, 2, 3, 4, 5, 6});
    Note("ok" + remembered(9), 'B');
}

TEST_F(ToolDialogTest, SingleStationIsSelectedWhenAdding) {
    Start(FixtureInstallation::kRouter);
    Open(21);
    Note("add " + Joined(dialog->stnLines));
    dialog->boxTexts = {"6"};
    dialog->InptOk_Click();
    Note("ok", 'A');

    // Editing shows the record's stations only.
    ToolRec other = library::ReadToolFile(session(), 'A').at(0);
    other.Dims = {8, 8, 0, 0};
    other.Stns[0] = {5, 10};
    library::InsertTool(session(), 'A', other, 0);
    Open(21, 2);
    dialog->InptOk_Click();
    Note("edit and ok");
}

TEST_F(ToolDialogTest, AngleFrameAndStoredAnglesFollowTheStationKinds) {
    // Line i holds the i-th kind: its angle frame at load (remembered), after a click, and the
    // angles stored.
    Start(FixtureInstallation::kMetric, {10, 19, 20, 29, 30, 39, 40});
    for (std::size_t line = 0; line < 7; ++line) {
        session().cmd.StnLidx = {};
        session().cmd.StnLidx[line] = 1;
        std::filesystem::remove(library::ToolFilePath(session(), 'B'));
        Open(2);
        Note("load line " + std::to_string(line));
        dialog->angTexts[0] = "90";
        dialog->StnList_Click();
        Note("90 and click");
        dialog->angTexts[0].clear();
        dialog->StnList_Click();
        dialog->boxTexts = {"10"};
        dialog->InptOk_Click();
        Note("blank, click and ok", 'B');
    }
    const std::array<std::string, kAngleBoxes> typed[] = {
        {"0", "360", "-360"},
        {" ", "", "-0"},
        {"270", "", "90", "450", "-10", "12.3456"},
    };
    for (const auto& angles : typed) {
        std::filesystem::remove(library::ToolFilePath(session(), 'G'));
        Open(7);
        Select({0});
        dialog->boxTexts = {"10", "8"};
        dialog->angTexts = angles;
        dialog->InptOk_Click();
        Note("angles " + Joined(angles), 'G');
    }
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
        Open(kSpecialShapeNo);
        Note(name);
        dialog->DimBox_GotFocus(1);
        Note("focus box 1");
        Select({0});
        dialog->InptOk_Click();
        Note("station and ok", 'S');
    }

    // Editing keeps the name; stations and angles change.
    session().cmd.SpecialName.clear();
    Open(kSpecialShapeNo, 1);
    Note("edit " + session().cmd.SpecialName);
    Select({0, 1});
    dialog->angTexts = {"90"};
    dialog->InptOk_Click();
    Note("ok", 'S');
}

TEST_F(ToolDialogTest, StoreFailuresAreShownAndTheDialogStaysOpen) {
    Start(FixtureInstallation::kMetric);
    Add(2, {"20"}, {0});
    ToolRec other = library::ReadToolFile(session(), 'B').at(0);
    ToolDialog& edit = Open(2, 1);
    // Another instance adds a smaller tool: record 1 is no longer the one loaded.
    other.Dims = {5, 5, 0, 0};
    library::InsertTool(session(), 'B', other, 0);
    edit.boxTexts = {"30"};
    edit.InptOk_Click();
    Note("ok", 'B');

    // The record asked for has gone.
    Open(2, 3);
    Note("edit 3");

    // A tool file that cannot be written.
    const std::string path = library::ToolFilePath(session(), 'C');
    std::filesystem::create_directory(path);
    Add(3, {"10", "2"}, {0});
    ASSERT_EQ(ui().events.size(), 2U);
    EXPECT_EQ(ui().events[1].rfind("message:\"" + path + "\"", 0), 0U) << ui().events[1];
    EXPECT_FALSE(dialog->closed);
    ui().events.clear();
}

TEST_F(ToolDialogTest, KeysSettingsAndSelectionOnFocus) {
    Start(FixtureInstallation::kMetric);
    ToolDialog& d = Open(3);
    // The dimension boxes take expressions, the angle boxes signed numbers.
    const int keys[] = {'(', 'a', -'-', -'('};  // negative: typed into an angle box
    for (const int key : keys) {
        const int taken = key > 0 ? d.DimBox_KeyPress(2, key) : d.AngBox_KeyPress(6, -key);
        Note("key " + std::to_string(key) + " gives " + std::to_string(taken) + " mode " +
             std::to_string(session().cmd.KeyMode));
    }
    d.boxTexts = {"12.5", ""};
    d.DimBox_GotFocus(1);
    d.DimBox_GotFocus(2);
    Note("focus");

    // The settings program gets the dialog's number and leaves the tool's number in the
    // exchange file; the dialog is disabled while it runs.
    fixture->Write("Program/KesSet.exe", "settings program stand-in\n");
    std::string seen;
    d.onEnabledChange = [&](bool on) { seen += on ? " on" : " off"; };
    auto& process = dynamic_cast<test::FakeProcess&>(session().os.process);
    process.whileRunning = [&](const std::string&) {
        std::string given = fixture->Read("Program/Settings.cfg");
        std::replace(given.begin(), given.end(), '\r', '|');
        std::replace(given.begin(), given.end(), '\n', '|');
        seen += " given " + given;
        Note("running");
        fixture->Write("Program/Settings.cfg", " 5 \r\nDefault\r\n 42 \r\n******\r\n");
    };
    d.SettingsNo = 7;
    d.ToolSettings_Click();
    Note("settings" + seen);
    d.boxTexts = {"10", "2"};
    Select({0});
    d.InptOk_Click();
    Note("ok", 'C');
}

// A tool dialog filled by a row: what its picture shows.
TEST_F(ToolDialogTest, PictureFollowsWhatOkWouldStore) {
    Start(FixtureInstallation::kMetric);
    for (const test::DataRow& row : test::ReadDataRows(TOOLING_GOLDEN_DIR "/dialog-outlines.txt")) {
        const std::string& flag = row.fields.at(5);
        session().machine.ImperialDisplay = flag == "in";
        session().cmd.SpecialName = flag == "named" ? row.fields.at(1) : "";
        Open(static_cast<std::int16_t>(std::stoi(row.fields[0])));
        dialog->boxTexts = test::Split(row.fields.at(1), ';');
        dialog->keyRoundChecked = flag == "round";
        Select(test::NumbersOf(row.fields.at(2)));
        if (!row.fields.at(3).empty()) {
            Texts angles = test::Split(row.fields[3], ';');
            angles.resize(kAngleBoxes);
            std::copy(angles.begin(), angles.end(), dialog->angTexts.begin());
        }
        const DialogOutline picture =
            OutlineOfDialog(session(), *dialog, std::stoi(row.fields.at(4)));
        std::string shown = "none";
        if (picture.outline) {
            char size[64];
            std::snprintf(size, sizeof size, "%.3f x %.3f at %g", picture.outline->extents.Width(),
                          picture.outline->extents.Height(), picture.angle);
            shown =
                size + (picture.outline->label.empty() ? "" : " '" + picture.outline->label + "'");
        }
        EXPECT_EQ(shown + (picture.indexStation ? " idx" : ""), row.fields.at(6))
            << "line " << row.line;
    }
}

class ToolSettingsTest : public TranscriptTest {
  protected:
    ToolSettingsTest() : session(fixture.session) {
        session.inst.ProgramDir = fixture.dir.path() + "Program/";
        session.machine.SettingsProgName = "KesSet";
        session.lib.MaterialName = "Mild Steel";
        test::WriteFile(Program(), "settings program stand-in\n");
        // The program keeps what it found in the exchange file and leaves `reply` there.
        fixture.fakes.process.whileRunning = [this](const std::string&) {
            log += " run";
            found = test::ReadFile(Exchange());
            if (reply) {
                test::WriteFile(Exchange(), *reply);
            }
        };
    }

    std::string Program() const { return session.inst.ProgramDir + "KesSet.exe"; }
    std::string Exchange() const { return session.inst.ProgramDir + "Settings.cfg"; }

    std::int32_t Run(int code, std::int32_t settingsNo) {
        return RunToolSettings(session, code, settingsNo,
                               [this](bool on) { log += on ? " on" : " off"; });
    }

    // Notes the step's result, the dialog's enabling and the program's runs, what the program
    // found, the messages, and an exchange file left behind.
    void Note(const std::string& step, std::int32_t result) {
        std::replace(found.begin(), found.end(), '\r', '|');
        std::replace(found.begin(), found.end(), '\n', '|');
        transcript += step + ": " + std::to_string(result) + log + " found " + found;
        NoteEvents(fixture.ui.events, session.inst.ProgramDir);
        transcript += test::FileExists(Exchange()) ? " file left\n" : "\n";
        found.clear();
        log.clear();
    }

    test::LibraryFixture fixture;
    core::Session& session;
    std::optional<std::string> reply;
    std::string found;
    std::string log;
};

TEST_F(ToolSettingsTest, RunsWriteTheExchangeFileAndReadTheNumberBack) {
    for (const test::DataRow& row :
         test::ReadDataRows(TOOLING_GOLDEN_DIR "/settings-exchange.txt")) {
        reply = row.fields[0] == "none" ? std::nullopt : std::optional(row.fields[0]);
        Note("line " + std::to_string(row.line), Run(5, std::stoi(row.fields.at(1))));
    }
    reply = " 5 \r\nMild Steel\r\n 12 \r\n******\r\n";
    Note("main window run", RunMainToolSettings(session));
    EXPECT_EQ(fixture.fakes.process.started, std::vector<std::string>(13, Program()));

    std::filesystem::remove(Program());
    Note("no program, tool run", Run(5, 9));
    Note("no program, main window run", RunMainToolSettings(session));
    test::WriteFile(Program(), "settings program stand-in\n");
    fixture.fs.failOn = "Settings.cfg";
    Note("exchange file unwritable, tool run", Run(5, 0));
    Note("exchange file unwritable, main window run", RunMainToolSettings(session));

    fixture.fs.failOn.clear();
    fixture.fakes.process.whileRunning = [this](const std::string&) {
        std::filesystem::remove(Exchange());
    };
    Note("program removes the file", Run(5, 9));
    fixture.fakes.process.starts = false;
    Note("program does not start", Run(5, 9));
}

}  // namespace
}  // namespace tooling::tools
