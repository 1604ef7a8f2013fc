#include "turrets/TurretCommands.h"

#include <gtest/gtest.h>

#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

using Events = std::vector<std::string>;

// A library holding the turrets FRONT (1) and Back (2).
class TurretCommandsTest : public ::testing::Test, public test::TurretFixture {
  protected:
    TurretCommandsTest() {
        for (const std::string ext : {"lkp", "1", "2"}) {
            WriteTurret(ext, test::ReadFile(std::string(TOOLING_GOLDEN_DIR) +
                                            "/TurretCommandsTest/Shop." + ext));
        }
        log = ChangedFiles();
        commands.printTurret = [this](std::int16_t number, const std::string& name) {
            done += "printed " + std::to_string(number) + " " + name + "\n";
        };
        commands.previewTurret = [this](std::int16_t number, const std::string& name) {
            done += "previewed " + std::to_string(number) + " " + name + "\n";
        };
    }

    // What the frames show and the command's state, the sheets printed, what the user was shown
    // and the files that changed, under `title`.
    void Step(const std::string& title) {
        log += "== " + title + "\n" +
               Flags({{commands.nameFrameVisible, "name frame"},
                      {commands.listFrameVisible, "list frame"},
                      {commands.editor.frameVisible, "editor"},
                      {commands.promptVisible, "prompt"},
                      {!commands.menusEnabled, "menus off"}}) +
               "mode " + std::to_string(session.cmd.TurretMode) + ", turret " +
               std::to_string(session.cmd.CurTurret) + " \"" + commands.curTurretName() +
               "\", answer " + std::to_string(session.cmd.MsgAnswer) + ", focus " +
               std::to_string(static_cast<int>(commands.focus)) + "\n";
        if (commands.nameFrameVisible) {
            log += "name \"" + commands.nameCaption + "\" text \"" + commands.nameText + "\"" +
                   (commands.nameButtonsDefault ? " default" : "") + "\n";
        }
        if (commands.promptVisible) {
            log += "prompt \"" + commands.prompt + "\"\n";
        }
        if (commands.listFrameVisible) {
            log += "list \"" + commands.listCaption + "\"";
            for (std::size_t i = 0; i < commands.listLines.size(); ++i) {
                log += " " + commands.listLines[i] + "=" +
                       std::to_string(commands.turretRefs()[i].number) +
                       (commands.listSnglSelected == static_cast<int>(i) ? "*" : "") +
                       (commands.listMultSelected[i] ? "+" : "");
            }
            log += "; " +
                   Flags({{commands.listSnglVisible, "single"},
                          {commands.listMultVisible, "multiple"},
                          {commands.previewBttnVisible, "preview"},
                          {commands.machBttnVisible, "machine"},
                          {commands.checkFrameVisible, "check"}}) +
                   "\n";
        }
        if (commands.editor.frameVisible) {
            log += "editing \"" + commands.editor.trtDsc + "\"\n" + EditorLines(commands.editor);
        }
        log += done + Shown() + ChangedFiles();
        done.clear();
    }
    void Name(const std::string& text) {
        commands.nameText = text;
        commands.NameOk_Click();
    }
    void ChooseLine(int item, int line) {
        commands.TurretItem_Click(item);
        commands.listSnglSelected = line;
    }

    std::string log;
    std::string done;  // the sheets printed and previewed
    TurretCommands commands{session};
};

TEST_F(TurretCommandsTest, CreateOpensTheEditorOnANewOrAnExistingTurret) {
    commands.TurretItem_Click(1);
    Step("Create Turret");
    for (const std::string& bad :
         {std::string(), std::string("   "), std::string("A,B"), std::string(33, 'A')}) {
        Name(bad);
        Step("the name \"" + bad + "\"");
    }
    Name(" Middle ");
    Step("a new name");
    commands.editor.TurretCncl_Click();
    Step("Cancel");
    commands.TurretItem_Click(1);
    Name("front");
    Step("an existing name in another case");
    commands.editor.TurretList_Click(1, 0);
    commands.editor.Removetool_Click();
    commands.editor.TurretOk_Click();
    Step("its second tool removed, Ok");
    commands.TurretItem_Click(1);
    Name("Centre");
    commands.editor.TurretOk_Click();
    Step("a new name saved");
    test::ExpectTranscript(log);
}

TEST_F(TurretCommandsTest, TheNameBoxTakesTheKeysOfATurretName) {
    commands.TurretItem_Click(1);
    commands.nameText = std::string(32, 'A');
    EXPECT_EQ(commands.NameBox_KeyPress('B'), 0);
    EXPECT_EQ(ui.events, Events{"beep"});
    EXPECT_EQ(session.cmd.KeyMode, -32);
    commands.nameText = "Front";
    EXPECT_EQ(commands.NameBox_KeyPress(','), 0);
    EXPECT_EQ(commands.NameBox_KeyPress('&'), '&');
    commands.NameBox_GotFocus();
    EXPECT_EQ(std::pair(commands.nameSelStart, commands.nameSelLength), std::pair(0, 5));
}

TEST_F(TurretCommandsTest, EditAndPrintWorkOnTheChosenTurretListsOpenOrSayThereIsNone) {
    ChooseLine(3, 1);
    commands.ListPreview_Click();
    Step("Edit Turret, FRONT, Preview");
    commands.listSnglSelected = 2;
    commands.ListOk_Click();
    Step("a line past the list, Ok");
    ChooseLine(3, 1);
    commands.ListSngl_DblClick();
    Step("Edit Turret, FRONT double-clicked");
    commands.editor.TurretOk_Click();
    Step("Ok");
    session.machine.ImperialDisplay = true;
    ChooseLine(3, 1);
    commands.ListOk_Click();
    Step("Edit Turret in inches, FRONT, Ok");
    commands.editor.TurretCncl_Click();
    Step("Cancel");
    commands.TurretItem_Click(5);
    commands.ListOk_Click();
    Step("Print Turret, Ok");
    ChooseLine(5, 1);
    commands.ListSngl_DblClick();
    Step("Print Turret, FRONT double-clicked");
    ChooseLine(5, 1);
    commands.ListPreview_Click();
    Step("Print Turret, FRONT, Preview");
    commands.listSnglSelected = -1;
    commands.ListPreview_Click();
    Step("no line, Preview");
    commands.ListCncl_Click();
    Step("Cancel");
    WriteTurret("2", "1,,,0,0,0,0,,1\r\n******\r\n");
    commands.TurretItem_Click(3);
    commands.ListOk_Click();
    Step("Edit Turret, Back cut short");
    for (const int item : {2, 3, 4, 5}) {
        commands.TurretItem_Click(item);
        Step("item " + std::to_string(item));
        commands.ListCncl_Click();
        Step("Cancel");
    }
    WriteTurret("lkp", "Zero, 0\r\nbroken\r\n******\r\n");
    for (const int item : {2, 3, 4, 5}) {
        commands.TurretItem_Click(item);
        Step("item " + std::to_string(item) + " on an index that lists no turret");
    }
    std::filesystem::remove(test::PathOf(Turret("lkp")));
    commands.TurretItem_Click(3);
    Step("item 3 without an index");
    test::ExpectTranscript(log);
}

TEST_F(TurretCommandsTest, DuplicateThenDeleteKeepIndexAndFilesTogether) {
    ChooseLine(2, 1);
    commands.ListOk_Click();
    Step("Duplicate Turret, FRONT");
    for (const bool yes : {false, true}) {
        ui.answers = {yes};
        Name("front");
        Step(std::string("its own name, ") + (yes ? "Yes" : "No"));
    }
    ui.answers = {true};
    Name("back");
    Step("Back's name, Yes");
    commands.TurretItem_Click(2);
    commands.ListOk_Click();
    Name("Aft");
    Step("Back as a new name");
    // Delete Turret, on Aft (3), Back (2) and FRONT (1).
    const std::tuple<std::vector<bool>, bool, std::string> rows[] = {
        {{false, false, false}, false, "none marked"},
        {{false, true, false}, false, "Back marked, No"},
        {{true, false, true}, true, "Aft and FRONT marked, Yes"},
        {{true}, true, "Back marked, Yes"}};
    for (const auto& [marked, yes, title] : rows) {
        commands.TurretItem_Click(4);
        ui.answers = {yes};
        commands.listMultSelected = marked;
        commands.ListOk_Click();
        Step(title);
    }
    test::ExpectTranscript(log);
}

TEST_F(TurretCommandsTest, NoFreeNumberRefusesADuplicateOrANewTurret) {
    test::FullTurretFolder full;
    platform::Services services{full, ui, this->services.printer, this->services.process};
    core::Session crowded(services);
    std::tie(crowded.inst, crowded.machine, crowded.lib) =
        std::tie(session.inst, session.machine, session.lib);
    TurretCommands commands(crowded);
    commands.TurretItem_Click(2);
    commands.ListOk_Click();
    commands.nameText = "Aft";
    commands.NameOk_Click();
    EXPECT_TRUE(commands.menusEnabled);
    commands.TurretItem_Click(1);
    commands.nameText = "Aft";
    commands.NameOk_Click();
    commands.editor.TurretOk_Click();
    EXPECT_TRUE(commands.editor.frameVisible);
    EXPECT_EQ(ui.events,
              (Events{"beep", "message:Too Many Turrets !", "beep", "message:Too Many Turrets !"}));
    EXPECT_EQ(ChangedFiles(), "");
}

}  // namespace
}  // namespace tooling::turrets
