#include "turrets/TurretCommands.h"

#include <gtest/gtest.h>

#include <deque>

#include "tests/turrets/TurretFixture.h"

namespace tooling::turrets {
namespace {

using Events = std::vector<std::string>;

const std::string kFront =
    "1,A,Diameter,12.7,12.7,0,0,0,1\r\n2,B,Square,10,10,0,0,45,2\r\n"
    "3,,,0,0,0,0,,3\r\n4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n";
const std::string kBack =
    "1,,,0,0,0,0,,1\r\n2,,,0,0,0,0,,2\r\n3,D,Rectangle,20,10,0,0,idx,3\r\n"
    "4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n";
const std::string kIndex = "Back, 2\r\nFRONT, 1\r\n******\r\n";

// A library holding the turrets FRONT (1) and Back (2).
class TurretCommandsTest : public ::testing::Test, public test::TurretFixture {
  protected:
    TurretCommandsTest() {
        WriteTurret("lkp", kIndex);
        WriteTurret("1", kFront);
        WriteTurret("2", kBack);
    }

    // The frames that are up and the menus' state: "name", "list", "editor", "menus off".
    std::string Up() const {
        std::string up;
        for (const auto& [shown, what] : {std::pair(commands.nameFrameVisible, "name"),
                                          {commands.listFrameVisible, "list"},
                                          {commands.editor.frameVisible, "editor"},
                                          {!commands.menusEnabled, "menus off"}}) {
            if (shown) {
                up += (up.empty() ? "" : ", ") + std::string(what);
            }
        }
        return up.empty() ? "idle" : up;
    }
    std::string Files() const { return ReadTurret("lkp") + ReadTurret("1") + ReadTurret("2"); }
    void Name(const std::string& text) {
        commands.nameText = text;
        commands.NameOk_Click();
    }

    TurretCommands commands{session};
};

TEST_F(TurretCommandsTest, CreateOpensTheEditorOnANewOrAnExistingTurret) {
    commands.TurretItem_Click(1);
    EXPECT_EQ(Up(), "name, menus off");
    EXPECT_EQ(session.cmd.TurretMode, 61);
    EXPECT_EQ(commands.nameCaption, "Create Turret");
    EXPECT_EQ(commands.prompt, "Enter New\nTurret Name");
    EXPECT_TRUE(commands.promptVisible && commands.nameButtonsDefault);
    EXPECT_EQ(commands.focus, TurretFocus::NameBox);

    for (const std::string& bad :
         std::vector<std::string>{"", "   ", "A,B", std::string(33, 'A')}) {
        ui.events.clear();
        Name(bad);
        EXPECT_EQ(ui.events, (Events{"beep", "message:Invalid Turret Description !"})) << bad;
        EXPECT_EQ(Up(), "name, menus off");
        EXPECT_TRUE(commands.promptVisible && commands.nameButtonsDefault);
        EXPECT_EQ(session.cmd.TurretMode, 61);
    }

    // A new name starts from the empty turret; Cancel leaves no trace.
    Name(" Middle ");
    EXPECT_EQ(Up(), "editor, menus off");
    EXPECT_EQ(commands.editor.trtDsc, "Middle");
    EXPECT_EQ(session.cmd.CurTurret, 0);
    EXPECT_EQ(commands.editor.columns[2], std::vector<std::string>(5, ""));
    commands.editor.TurretCncl_Click();
    EXPECT_EQ(Up(), "idle");
    EXPECT_EQ(Files(), kIndex + kFront + kBack);
    EXPECT_FALSE(test::FileExists(Turret("3")));

    // An existing name in another case opens that turret, and Ok overwrites it.
    commands.TurretItem_Click(1);
    Name("front");
    EXPECT_EQ(session.cmd.CurTurret, 1);
    EXPECT_EQ(commands.editor.trtDsc, "front");
    EXPECT_EQ(commands.editor.columns[2][1], "Square");
    commands.editor.TurretList_Click(1, 0);
    commands.editor.Removetool_Click();
    commands.editor.TurretOk_Click();
    EXPECT_EQ(Up(), "idle");
    EXPECT_FALSE(commands.promptVisible);
    EXPECT_EQ(ReadTurret("lkp"), kIndex);
    EXPECT_EQ(ReadTurret("1"),
              "1,A,Diameter,12.7,12.7,0,0,0,1\r\n2, ,            ,0,0,0,0,0,2\r\n"
              "3,,,0,0,0,0,,3\r\n4,,,0,0,0,0,,1\r\n5,,,0,0,0,0,,4\r\n******\r\n");

    // A new name saved gets the smallest free number and its place in the index.
    commands.TurretItem_Click(1);
    Name("Centre");
    commands.editor.TurretOk_Click();
    EXPECT_EQ(ReadTurret("3"),
              "1,,,0,0,0,0,,1\r\n2,,,0,0,0,0,,2\r\n3,,,0,0,0,0,,3\r\n4,,,0,0,0,0,,1\r\n"
              "5,,,0,0,0,0,,4\r\n******\r\n");
    EXPECT_EQ(ReadTurret("lkp"), "Back, 2\r\nCentre, 3 \r\nFRONT, 1\r\n******\r\n");
    EXPECT_EQ(session.cmd.CurTurret, 3);
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

TEST_F(TurretCommandsTest, ListCommandsOpenTheListOrSayThereIsNoTurret) {
    struct Row {
        int item;
        std::int16_t mode;
        std::string caption;
        bool multiple;
    };
    for (const Row& row :
         {Row{2, 62, "Duplicate Turret", false}, Row{3, 63, "Edit Turret", false},
          Row{4, 64, "Delete Turret(s)", true}, Row{5, 65, "Print Turret", false}}) {
        commands.TurretItem_Click(row.item);
        EXPECT_EQ(Up(), "list, menus off");
        EXPECT_EQ(session.cmd.TurretMode, row.mode);
        EXPECT_EQ(commands.listCaption, row.caption);
        EXPECT_EQ(commands.listLines, (std::vector<std::string>{"Back", "FRONT"}));
        EXPECT_EQ(commands.turretRefs(), (std::vector<TurretEntry>{{"Back", 2}, {"FRONT", 1}}));
        EXPECT_EQ(std::pair(commands.listSnglVisible, commands.listMultVisible),
                  std::pair(!row.multiple, row.multiple));
        EXPECT_EQ(commands.listSnglSelected, row.multiple ? -1 : 0);
        EXPECT_EQ(commands.listMultSelected, std::vector<bool>(2, false));
        EXPECT_FALSE(commands.promptVisible || commands.machBttnVisible ||
                     commands.checkFrameVisible);
        EXPECT_EQ(commands.previewBttnVisible, row.mode == 65);
        EXPECT_EQ(commands.focus, row.multiple ? TurretFocus::ListMult : TurretFocus::ListSngl);
        commands.ListCncl_Click();
        EXPECT_EQ(Up(), "idle");
    }
    EXPECT_EQ(Files(), kIndex + kFront + kBack);
    EXPECT_EQ(ui.events, Events{});

    WriteTurret("lkp", "Zero, 0\r\nbroken\r\n******\r\n");
    for (const int item : {2, 3, 4, 5}) {
        ui.events.clear();
        commands.TurretItem_Click(item);
        EXPECT_EQ(ui.events, (Events{"beep", "message:No Saved Turrets !"}));
        EXPECT_EQ(Up(), "idle");
    }
    std::filesystem::remove(test::PathOf(Turret("lkp")));
    ui.events.clear();
    commands.TurretItem_Click(3);
    EXPECT_EQ(ui.events, (Events{"beep", "message:\"" + Turret("lkp") + "\": file not found"}));
    EXPECT_EQ(Up(), "idle");
}

TEST_F(TurretCommandsTest, EditOpensTheChosenTurretAndPrintPrintsIt) {
    commands.TurretItem_Click(3);
    commands.listSnglSelected = 1;
    commands.ListSngl_DblClick();
    EXPECT_EQ(Up(), "editor, menus off");
    EXPECT_EQ(session.cmd.CurTurret, 1);
    EXPECT_EQ(commands.curTurretName(), "FRONT");
    EXPECT_EQ(commands.editor.trtDsc, "FRONT");
    EXPECT_EQ(commands.focus, TurretFocus::TurretList);
    commands.editor.TurretOk_Click();
    EXPECT_EQ(Up(), "idle");
    EXPECT_EQ(Files(), kIndex + kFront + kBack);

    // Edit Turret shows sizes in inches with four decimals.
    session.machine.ImperialDisplay = true;
    commands.TurretItem_Click(3);
    commands.listSnglSelected = 1;
    commands.ListOk_Click();
    EXPECT_EQ(commands.editor.columns[3][1], "0.3937");
    commands.editor.TurretCncl_Click();

    // Print Turret prints the turret chosen, Back (line 0) unless another line is.
    std::vector<std::string> printed;
    commands.printTurret = [&](std::int16_t number, const std::string& name) {
        printed.push_back(std::to_string(number) + " " + name);
    };
    commands.TurretItem_Click(5);
    commands.ListOk_Click();
    commands.TurretItem_Click(5);
    commands.listSnglSelected = 1;
    commands.ListSngl_DblClick();
    // Its Preview shows the sheet of the line chosen and leaves the list up; with no line chosen
    // it beeps.
    commands.previewTurret = [&](std::int16_t number, const std::string& name) {
        printed.push_back("preview " + std::to_string(number) + " " + name);
    };
    commands.TurretItem_Click(5);
    commands.listSnglSelected = 1;
    commands.ListPreview_Click();
    EXPECT_EQ(Up(), "list, menus off");
    commands.listSnglSelected = -1;
    commands.ListPreview_Click();
    EXPECT_EQ(ui.events, Events{"beep"});
    ui.events.clear();
    commands.ListCncl_Click();
    EXPECT_FALSE(commands.previewBttnVisible);
    EXPECT_EQ(printed, (std::vector<std::string>{"2 Back", "1 FRONT", "preview 1 FRONT"}));
    EXPECT_EQ(Up(), "idle");
    EXPECT_EQ(session.cmd.CurTurret, 0);
    EXPECT_EQ(ui.events, Events{});

    // A turret file that cannot be read stops the command with a message; nothing is written.
    WriteTurret("2", "1,,,0,0,0,0,,1\r\n******\r\n");
    commands.TurretItem_Click(3);
    commands.ListOk_Click();
    EXPECT_EQ(
        ui.events,
        (Events{"beep", "message:\"" + Turret("2") +
                            "\": the file holds 1 station lines; the machine has 5 stations"}));
    EXPECT_EQ(Up(), "idle");
}

TEST_F(TurretCommandsTest, DuplicateCopiesUnderANewOrAnExistingName) {
    commands.TurretItem_Click(2);
    commands.listSnglSelected = 1;
    commands.ListOk_Click();
    EXPECT_EQ(Up(), "name, menus off");
    EXPECT_EQ(session.cmd.TurretMode, 162);
    EXPECT_EQ(commands.nameCaption, "Duplicate Turret");
    EXPECT_EQ(commands.nameText, "FRONT");
    EXPECT_FALSE(commands.promptVisible);

    // Its own name, answered No or Yes: asked again, nothing written.
    const std::string question = "ask:\"front\" Already Exists !\n\nOverwrite it ?";
    for (const bool yes : {false, true}) {
        ui.events.clear();
        ui.answers = {yes};
        Name("front");
        EXPECT_EQ(ui.events, Events{question});
        EXPECT_EQ(session.cmd.MsgAnswer, yes ? 6 : 7);
        EXPECT_EQ(Up(), "name, menus off");
        EXPECT_EQ(commands.nameText, "front");
        EXPECT_EQ(Files(), kIndex + kFront + kBack);
    }

    // Another turret's name, answered Yes: its file becomes the copy, its index line stays.
    ui.events.clear();
    ui.answers = {true};
    Name("back");
    EXPECT_EQ(ui.events,
              (Events{"ask:\"back\" Already Exists !\n\nOverwrite it ?",
                      "message:Turret \"FRONT\"\n\nHas Been Duplicated as\n\n\"back\""}));
    EXPECT_EQ(Up(), "idle");
    EXPECT_EQ(Files(), kIndex + kFront + kFront);

    // A new name: the smallest free number, the entry in its sorted place.
    commands.TurretItem_Click(2);
    commands.ListOk_Click();
    ui.events.clear();
    Name("Aft");
    EXPECT_EQ(ui.events, Events{"message:Turret \"Back\"\n\nHas Been Duplicated as\n\n\"Aft\""});
    EXPECT_EQ(ReadTurret("lkp"), "Aft, 3 \r\nBack, 2\r\nFRONT, 1\r\n******\r\n");
    EXPECT_EQ(ReadTurret("3"), kFront);
}

TEST_F(TurretCommandsTest, DeleteAsksThenRemovesEntriesAndFiles) {
    WriteTurret("lkp", "Aft, 3\r\nBack, 2\r\nFRONT, 1\r\n******\r\n");
    WriteTurret("3", kBack);
    struct Row {
        std::vector<bool> marked;
        std::deque<bool> answers;
        Events events;
        std::string index;
    };
    const Row rows[] = {
        {{false, false, false},
         {},
         {"wait:on", "beep", "message:No Turrets Selected !", "wait:off"},
         "Aft, 3\r\nBack, 2\r\nFRONT, 1\r\n******\r\n"},
        {{false, true, false},
         {false},
         {"wait:on", "ask:Delete \"Back\" ?", "wait:off"},
         "Aft, 3\r\nBack, 2\r\nFRONT, 1\r\n******\r\n"},
        {{true, false, true},
         {true},
         {"wait:on", "ask:Delete 2 Turrets ?", "message:2 Turrets Have Been Deleted !", "wait:off"},
         "Back, 2\r\n******\r\n"},
        {{true},
         {true},
         {"wait:on", "ask:Delete \"Back\" ?", "message:Turret \"Back\"\nHas Been Deleted !",
          "wait:off"},
         "******\r\n"},
    };
    for (const Row& row : rows) {
        commands.TurretItem_Click(4);
        ui.events.clear();
        ui.answers = row.answers;
        commands.listMultSelected = row.marked;
        commands.ListOk_Click();
        EXPECT_EQ(ui.events, row.events);
        EXPECT_EQ(Up(), "idle");
        EXPECT_EQ(ReadTurret("lkp"), row.index);
        EXPECT_EQ(session.cmd.MsgAnswer, row.answers.empty() || !row.answers.front() ? 7 : 6);
    }
    EXPECT_EQ(session.os.fs.List(Turret("*"), platform::ListFilter::Files),
              (std::vector<std::string>{"Shop.0", "Shop.lkp"}));
}

TEST_F(TurretCommandsTest, NoFreeNumberRefusesADuplicate) {
    test::FullTurretFolder full;
    platform::Services services{full, ui, this->services.printer, this->services.process};
    core::Session crowded(services);
    CopySession(crowded, session);
    TurretCommands commands(crowded);
    commands.TurretItem_Click(2);
    commands.ListOk_Click();
    commands.nameText = "Aft";
    commands.NameOk_Click();
    EXPECT_EQ(ui.events, (Events{"beep", "message:Too Many Turrets !"}));
    EXPECT_TRUE(commands.menusEnabled);
    EXPECT_EQ(Files(), kIndex + kFront + kBack);
}

}  // namespace
}  // namespace tooling::turrets
