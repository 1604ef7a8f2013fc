#include "library/LibraryForm.h"

#include <gtest/gtest.h>

#include "tests/library/LibraryFixture.h"
#include "turrets/DefaultTools.h"

namespace tooling::library {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;
using Events = std::vector<std::string>;

const std::string kIndex = "******\r\n";
const std::string kEmptyTurret =
    "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n3, , , 0, 0, 0, 0, , 0\r\n******\r\n";

class LibraryFormTest : public ::testing::Test, public test::LibraryFixture {
  protected:
    LibraryFormTest() {
        session.lib.LibraryName = "Beta";
        session.lib.ToolLibPrefix = ToolPath("Beta.");
        session.lib.TurretLibPrefix = TurretPath("Beta.");
    }

    // Opens the dialog as the File menu does.
    LibraryForm& Open(int mode) {
        session.cmd.LibraryMode = static_cast<std::int16_t>(mode);
        form = std::make_unique<LibraryForm>(session);
        form->Form_Load();
        form->Form_GotFocus();
        return *form;
    }

    // A library with its files: tool files by extension, turret files by extension.
    void MakeLibrary(const std::string& name, const Names& toolExts, const Names& turretExts) {
        for (const std::string& ext : toolExts) {
            WriteFile(ToolPath(name + "." + ext), "tool " + name + "." + ext);
        }
        for (const std::string& ext : turretExts) {
            WriteFile(TurretPath(name + "." + ext), "turret " + name + "." + ext);
        }
    }

    std::unique_ptr<LibraryForm> form;
};

TEST_F(LibraryFormTest, LoadLaysOutEachMode) {
    for (const char* name : {"Alpha.lkp", "Beta.lkp", "SHOP.lkp", "Shop.lkp", "Shop.Old.lkp"}) {
        WriteFile(ToolPath(name), kIndex);
    }
    struct Row {
        int mode;
        std::string caption;
        bool listFrame, list1, list2, boxFrame, comboFrame;
        std::string listLabel, boxLabel, comboLabel;
        LibraryList list1Content;
        Names list2Content;
        LibraryList comboContent;
        int buttonTop;
        LibraryFocus focus;
    };
    const Row rows[] = {
        {1,
         "Select Tool Library",
         true,
         true,
         false,
         false,
         false,
         "Select Library",
         "",
         "",
         {{"Alpha", "SHOP", "Shop.Old"}, 0},
         {},
         {},
         3870,
         LibraryFocus::LibraryList1},
        {2,
         "Create New Tool Library",
         false,
         false,
         false,
         true,
         true,
         "",
         "Library Name",
         "Initialise As",
         {},
         {},
         {{"Empty", "Alpha", "Beta", "SHOP", "Shop.Old"}, 0},
         1630,
         LibraryFocus::LibraryBox},
        {3,
         "Delete Tool Library",
         true,
         false,
         true,
         false,
         false,
         "Delete Library",
         "",
         "",
         {},
         {"Alpha", "SHOP", "Shop.Old"},
         {},
         3870,
         LibraryFocus::LibraryList2},
    };
    for (const Row& row : rows) {
        const LibraryForm& f = Open(row.mode);
        EXPECT_EQ(f.caption, row.caption);
        EXPECT_TRUE(f.libraryFrameVisible);
        EXPECT_EQ(f.listFrameVisible, row.listFrame);
        EXPECT_EQ(f.list1Visible, row.list1);
        EXPECT_EQ(f.list2Visible, row.list2);
        EXPECT_EQ(f.boxFrameVisible, row.boxFrame);
        EXPECT_EQ(f.comboFrameVisible, row.comboFrame);
        EXPECT_EQ(f.listLabel, row.listLabel);
        EXPECT_EQ(f.boxLabel, row.boxLabel);
        EXPECT_EQ(f.comboLabel, row.comboLabel);
        EXPECT_EQ(f.list1, row.list1Content);
        EXPECT_EQ(f.list2, row.list2Content);
        EXPECT_EQ(f.list2Selected, std::vector<bool>(row.list2Content.size(), false));
        EXPECT_EQ(f.combo, row.comboContent);
        EXPECT_EQ(f.boxText, "");
        EXPECT_EQ(f.buttonFrameTop, row.buttonTop);
        EXPECT_EQ(f.focus, row.focus);
        EXPECT_FALSE(f.closed);
        EXPECT_FALSE(session.cmd.SyncBusy);
    }
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(LibraryFormTest, SyncBusyIsSetWhileTheListFills) {
    WriteFile(ToolPath("Alpha.lkp"), kIndex);
    std::vector<bool> seen;
    fs.onList = [&] { seen.push_back(session.cmd.SyncBusy); };
    Open(1);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen, std::vector<bool>(seen.size(), true));
    EXPECT_FALSE(session.cmd.SyncBusy);
}

TEST_F(LibraryFormTest, EmptyMachineFolder) {
    struct Row {
        int mode;
        Events events;  // after Ok
        LibraryFocus focus;
    };
    const Row rows[] = {
        {1, {"beep", "message:No Library Selected !"}, LibraryFocus::LibraryList1},
        {3, {"beep", "message:No Libraries Selected !"}, LibraryFocus::LibraryList2},
    };
    for (const Row& row : rows) {
        ui.events.clear();
        LibraryForm& f = Open(row.mode);
        EXPECT_TRUE(f.list1.entries.empty());
        EXPECT_TRUE(f.list2.empty());
        f.focus = LibraryFocus::None;
        f.LibraryOk_Click();
        EXPECT_EQ(ui.events, row.events);
        EXPECT_EQ(f.focus, row.focus);
        EXPECT_FALSE(f.closed);
        EXPECT_EQ(session.cmd.LibraryMode, row.mode);
    }
    EXPECT_EQ(Open(2).combo, (LibraryList{{"Empty"}, 0}));
    EXPECT_TRUE(ToolNames().empty());
}

TEST_F(LibraryFormTest, SelectOpensTheLibraryAndMakesSureOfItsFiles) {
    MakeLibrary("Alpha", {"lkp"}, {});
    MakeLibrary("Gamma", {"lkp", "A"}, {"lkp", "1"});
    core::DefaultToolRec nibbling;
    nibbling.recordNo = 4;
    nibbling.shape = 'A';
    nibbling.dims[0] = 8.0F;
    WriteFile(ToolPath("Gamma.dft"), turrets::EncodeDefault({}) + turrets::EncodeDefault({}) +
                                         turrets::EncodeDefault({}) +
                                         turrets::EncodeDefault(nibbling));
    session.lib.DefaultTools[0].recordNo = 9;

    LibraryForm& f = Open(1);
    ASSERT_EQ(f.list1.entries, (Names{"Alpha", "Gamma"}));
    f.list1.selected = 1;
    f.LibraryList_DblClick();

    EXPECT_TRUE(f.closed);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(session.cmd.LibraryMode, 0);
    EXPECT_EQ(session.lib.LibraryName, "Gamma");
    EXPECT_EQ(session.lib.ToolLibPrefix, ToolPath("Gamma."));
    EXPECT_EQ(session.lib.TurretLibPrefix, TurretPath("Gamma."));
    EXPECT_EQ(session.lib.DefaultTools[0], core::DefaultToolRec{});
    EXPECT_EQ(session.lib.DefaultTools[3], nibbling);
    // The empty turret was missing; the rest is kept.
    EXPECT_EQ(ReadFile(TurretPath("Gamma.0")), kEmptyTurret);
    EXPECT_EQ(ReadFile(TurretPath("Gamma.lkp")), "turret Gamma.lkp");
    EXPECT_EQ(ReadFile(ToolPath("Gamma.lkp")), "tool Gamma.lkp");
    EXPECT_EQ(TurretNames(), (Names{"Gamma.0", "Gamma.1", "Gamma.lkp"}));

    // Select with Ok on the first entry: its missing turret index is created too.
    Open(1).LibraryOk_Click();
    EXPECT_EQ(session.lib.LibraryName, "Alpha");
    EXPECT_EQ(ReadFile(TurretPath("Alpha.lkp")), kIndex);
    EXPECT_EQ(ReadFile(TurretPath("Alpha.0")), kEmptyTurret);
    for (const core::DefaultToolRec& rec : session.lib.DefaultTools) {
        EXPECT_EQ(rec, core::DefaultToolRec{});
    }
}

TEST_F(LibraryFormTest, FailedSelectKeepsTheCurrentLibrary) {
    MakeLibrary("Alpha", {"lkp"}, {});
    fs.failOn = "Turrets/M1/Alpha.0";
    LibraryForm& f = Open(1);
    f.LibraryOk_Click();
    EXPECT_EQ(ui.events,
              (Events{"beep", "message:\"" + TurretPath("Alpha.0") + "\": Read-only file system"}));
    EXPECT_FALSE(f.closed);
    EXPECT_EQ(session.cmd.LibraryMode, 1);
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    EXPECT_EQ(session.lib.ToolLibPrefix, ToolPath("Beta."));
    EXPECT_EQ(session.lib.TurretLibPrefix, TurretPath("Beta."));
}

TEST_F(LibraryFormTest, CreateRefusesBadNames) {
    MakeLibrary("Shop", {"lkp"}, {});
    struct Row {
        std::string typed;
        std::string message;
    };
    const Row rows[] = {
        {"", "Invalid Library Name !"},
        {"     ", "Invalid Library Name !"},
        {std::string(33, 'N'), "Invalid Library Name !"},
        {"../Escape", "Invalid Library Name !"},
        {"A,B", "Invalid Library Name !"},
        {"Shop", "Library Already Exists !"},
        {"  shop ", "Library Already Exists !"},
        {"SHOP", "Library Already Exists !"},
    };
    for (const Row& row : rows) {
        ui.events.clear();
        LibraryForm& f = Open(2);
        f.boxText = row.typed;
        f.focus = LibraryFocus::None;
        f.LibraryOk_Click();
        EXPECT_EQ(ui.events, (Events{"beep", "message:" + row.message})) << row.typed;
        EXPECT_EQ(f.focus, LibraryFocus::LibraryBox);
        EXPECT_FALSE(f.closed);
        EXPECT_EQ(f.boxText, row.typed);
    }
    EXPECT_EQ(ToolNames(), Names{"Shop.lkp"});
    EXPECT_TRUE(TurretNames().empty());
}

TEST_F(LibraryFormTest, CreateEmptyLibrary) {
    MakeLibrary("Shop", {"lkp"}, {});
    // Left-overs of the new library stay when it starts empty.
    WriteFile(ToolPath("New.A"), "left over");
    WriteFile(TurretPath("New.0"), "left over");
    for (const std::string& typed : {std::string(32, 'x'), std::string("  New  ")}) {
        LibraryForm& f = Open(2);
        f.boxText = typed;
        f.LibraryOk_Click();
        EXPECT_TRUE(f.closed);
        EXPECT_EQ(session.cmd.LibraryMode, 0);
    }
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    const std::string x32(32, 'x');
    EXPECT_EQ(ToolNames(), (Names{"New.A", "New.lkp", "Shop.lkp", x32 + ".lkp"}));
    EXPECT_EQ(TurretNames(), (Names{"New.0", "New.lkp", x32 + ".0", x32 + ".lkp"}));
    EXPECT_EQ(ReadFile(ToolPath("New.lkp")), kIndex);
    EXPECT_EQ(ReadFile(TurretPath("New.lkp")), kIndex);
    EXPECT_EQ(ReadFile(TurretPath("New.0")), "left over");
    EXPECT_EQ(ReadFile(TurretPath(x32 + ".0")), kEmptyTurret);
}

TEST_F(LibraryFormTest, CreateAsCopyOfAnotherLibrary) {
    MakeLibrary("Shop", {"lkp", "A", "B", "S", "dft", "AMC", "Long"}, {"lkp", "0", "1", "12"});
    MakeLibrary("Shop.Old", {"lkp", "A"}, {"lkp", "3"});
    // Left-overs of Shop2 go before the copy; Shop2.Old is another library.
    WriteFile(ToolPath("Shop2.X"), "left over");
    WriteFile(ToolPath("shop2.A"), "left over");
    WriteFile(TurretPath("Shop2.7"), "left over");
    WriteFile(ToolPath("Shop2.Old.lkp"), "other");

    LibraryForm& f = Open(2);
    ASSERT_EQ(f.combo.entries, (Names{"Empty", "Shop", "Shop.Old", "Shop2.Old"}));
    f.boxText = "Shop2";
    f.combo.selected = 1;
    f.LibraryOk_Click();

    EXPECT_TRUE(f.closed);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    EXPECT_EQ(ToolNames(),
              (Names{"Shop.A", "Shop.AMC", "Shop.B", "Shop.Long", "Shop.Old.A", "Shop.Old.lkp",
                     "Shop.S", "Shop.dft", "Shop.lkp", "Shop2.A", "Shop2.AMC", "Shop2.B",
                     "Shop2.Old.lkp", "Shop2.S", "Shop2.dft", "Shop2.lkp"}));
    EXPECT_EQ(TurretNames(), (Names{"Shop.0", "Shop.1", "Shop.12", "Shop.Old.3", "Shop.Old.lkp",
                                    "Shop.lkp", "Shop2.0", "Shop2.1", "Shop2.12", "Shop2.lkp"}));
    for (const std::string ext : {"lkp", "A", "B", "S", "dft", "AMC"}) {
        EXPECT_EQ(ReadFile(ToolPath("Shop2." + ext)), "tool Shop." + ext);
    }
    for (const std::string ext : {"lkp", "0", "1", "12"}) {
        EXPECT_EQ(ReadFile(TurretPath("Shop2." + ext)), "turret Shop." + ext);
    }
    EXPECT_EQ(ReadFile(ToolPath("Shop.Old.A")), "tool Shop.Old.A");
    EXPECT_EQ(ReadFile(ToolPath("Shop2.Old.lkp")), "other");
}

TEST_F(LibraryFormTest, RecreatingShopLeavesShopOldAlone) {
    MakeLibrary("Alpha", {"lkp", "A"}, {"lkp", "0"});
    MakeLibrary("Shop.Old", {"lkp", "A", "dft"}, {"lkp", "0", "1"});
    WriteFile(ToolPath("Shop.B"), "left over");  // Shop itself has no index
    LibraryForm& f = Open(2);
    f.boxText = "Shop";
    f.combo.selected = 1;
    ASSERT_EQ(f.combo.entries[1], "Alpha");
    f.LibraryOk_Click();
    EXPECT_TRUE(f.closed);
    EXPECT_EQ(ToolNames(), (Names{"Alpha.A", "Alpha.lkp", "Shop.A", "Shop.Old.A", "Shop.Old.dft",
                                  "Shop.Old.lkp", "Shop.lkp"}));
    EXPECT_EQ(TurretNames(), (Names{"Alpha.0", "Alpha.lkp", "Shop.0", "Shop.Old.0", "Shop.Old.1",
                                    "Shop.Old.lkp", "Shop.lkp"}));
    EXPECT_EQ(ReadFile(ToolPath("Shop.Old.A")), "tool Shop.Old.A");
    EXPECT_EQ(ReadFile(TurretPath("Shop.Old.1")), "turret Shop.Old.1");
}

TEST_F(LibraryFormTest, FailedCopyLeavesNoIndexOfTheNewLibrary) {
    MakeLibrary("Shop", {"lkp", "A", "B"}, {"lkp", "0"});
    fs.failOn = "Turrets/M1/Shop2.0";
    LibraryForm& f = Open(2);
    f.boxText = "Shop2";
    f.combo.selected = 1;
    f.LibraryOk_Click();
    EXPECT_EQ(ui.events, (Events{"beep", "message:\"" + TurretPath("Shop2.0") +
                                             "\": No space left on device"}));
    EXPECT_FALSE(f.closed);
    EXPECT_EQ(f.boxText, "Shop2");
    EXPECT_FALSE(FileExists(ToolPath("Shop2.lkp")));
    EXPECT_EQ(ToolNames(), (Names{"Shop.A", "Shop.B", "Shop.lkp", "Shop2.A", "Shop2.B"}));

    // Tried again once the fault is gone: the half copy is replaced by a whole one.
    fs.failOn.clear();
    ui.events.clear();
    f.LibraryOk_Click();
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(f.closed);
    EXPECT_EQ(ReadFile(ToolPath("Shop2.lkp")), "tool Shop.lkp");
    EXPECT_EQ(ReadFile(TurretPath("Shop2.0")), "turret Shop.0");
}

TEST_F(LibraryFormTest, DeleteAsksThenDeletesEveryFileOfTheLibraries) {
    MakeLibrary("Alpha", {"lkp", "A", "dft"}, {"lkp", "0", "1"});
    MakeLibrary("Gamma", {"lkp", "B"}, {"lkp", "0"});
    MakeLibrary("Shop", {"lkp", "A", "Long"}, {"lkp", "0"});
    MakeLibrary("SHOP", {"lkp", "D"}, {"2"});
    MakeLibrary("Shop.Old", {"lkp", "A"}, {"lkp", "0"});
    MakeLibrary("Beta", {"lkp"}, {"lkp", "0"});  // current: never listed

    struct Row {
        Names chosen;
        bool answer;
        std::string question;
        Names toolsLeft;
    };
    const Row rows[] = {
        {{"Alpha"},
         false,
         "ask:Delete \"Alpha\" ?",
         {"Alpha.A", "Alpha.dft", "Alpha.lkp", "Beta.lkp", "Gamma.B", "Gamma.lkp", "SHOP.D",
          "SHOP.lkp", "Shop.A", "Shop.Long", "Shop.Old.A", "Shop.Old.lkp", "Shop.lkp"}},
        {{"SHOP"},
         true,
         "ask:Delete \"SHOP\" ?",
         {"Alpha.A", "Alpha.dft", "Alpha.lkp", "Beta.lkp", "Gamma.B", "Gamma.lkp", "Shop.Old.A",
          "Shop.Old.lkp"}},
        {{"Alpha", "Gamma", "Shop.Old"}, true, "ask:Delete 3 Libraries ?", {"Beta.lkp"}},
    };
    for (const Row& row : rows) {
        ui.events.clear();
        ui.answers = {row.answer};
        LibraryForm& f = Open(3);
        for (std::size_t i = 0; i < f.list2.size(); ++i) {
            f.list2Selected[i] =
                std::find(row.chosen.begin(), row.chosen.end(), f.list2[i]) != row.chosen.end();
        }
        f.LibraryOk_Click();
        EXPECT_EQ(ui.events.front(), row.question);
        EXPECT_EQ(ui.events, (row.answer ? Events{row.question, "wait:on", "wait:off"}
                                         : Events{row.question}));
        EXPECT_EQ(session.cmd.MsgAnswer, row.answer ? 6 : 7);
        EXPECT_TRUE(f.closed);
        EXPECT_FALSE(f.waitCursor);
        EXPECT_EQ(session.cmd.LibraryMode, 0);
        EXPECT_EQ(ToolNames(), row.toolsLeft);
    }
    EXPECT_EQ(TurretNames(), (Names{"Beta.0", "Beta.lkp"}));
}

TEST_F(LibraryFormTest, DeleteOfShopLeavesShopOld) {
    MakeLibrary("Shop", {"lkp", "A"}, {"lkp", "0"});
    MakeLibrary("Shop.Old", {"lkp", "A", "dft"}, {"lkp", "0", "1"});
    ui.answers = {true};
    LibraryForm& f = Open(3);
    ASSERT_EQ(f.list2, (Names{"Shop", "Shop.Old"}));
    f.list2Selected = {true, false};
    f.LibraryList_DblClick();
    EXPECT_TRUE(f.closed);
    EXPECT_EQ(ToolNames(), (Names{"Shop.Old.A", "Shop.Old.dft", "Shop.Old.lkp"}));
    EXPECT_EQ(TurretNames(), (Names{"Shop.Old.0", "Shop.Old.1", "Shop.Old.lkp"}));
}

TEST_F(LibraryFormTest, FailedDeleteKeepsTheLibraryListed) {
    MakeLibrary("Alpha", {"lkp", "A"}, {"lkp", "0"});
    MakeLibrary("Gamma", {"lkp", "B", "C"}, {"lkp", "0"});
    fs.failOn = "Tools/M1/Gamma.C";
    ui.answers = {true};
    LibraryForm& f = Open(3);
    f.list2Selected = {true, true};
    f.LibraryOk_Click();
    EXPECT_EQ(ui.events, (Events{"ask:Delete 2 Libraries ?", "wait:on", "wait:off", "beep",
                                 "message:\"" + ToolPath("Gamma.C") + "\": Permission denied"}));
    EXPECT_FALSE(f.closed);
    EXPECT_FALSE(f.waitCursor);
    EXPECT_EQ(f.list2, Names{"Gamma"});
    EXPECT_EQ(f.list2Selected, std::vector<bool>{false});
    EXPECT_EQ(ToolNames(), (Names{"Gamma.C", "Gamma.lkp"}));
}

TEST_F(LibraryFormTest, DoubleClickInCreateModeDoesNothing) {
    MakeLibrary("Shop", {"lkp"}, {});
    LibraryForm& f = Open(2);
    f.boxText = "New";
    f.LibraryList_DblClick();
    EXPECT_FALSE(f.closed);
    EXPECT_FALSE(FileExists(ToolPath("New.lkp")));
}

TEST_F(LibraryFormTest, CancelClosesWithoutChange) {
    MakeLibrary("Shop", {"lkp"}, {});
    for (int mode = 1; mode <= 3; ++mode) {
        LibraryForm& f = Open(mode);
        f.boxText = "New";
        f.list1.selected = 0;
        f.LibraryCncl_Click();
        EXPECT_TRUE(f.closed);
        EXPECT_EQ(session.cmd.LibraryMode, 0);
        EXPECT_TRUE(f.list1.entries.empty());
        EXPECT_TRUE(f.list2.empty());
        EXPECT_EQ(f.boxText, "");
    }
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    EXPECT_EQ(ToolNames(), Names{"Shop.lkp"});
    EXPECT_TRUE(TurretNames().empty());
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(LibraryFormTest, NameBoxTakesTheKeysOfALibraryName) {
    LibraryForm& f = Open(2);
    f.boxText = "Shop";
    f.LibraryBox_GotFocus();
    EXPECT_EQ(f.boxSelStart, 0);
    EXPECT_EQ(f.boxSelLength, 4);
    f.boxSelLength = 0;
    struct Row {
        std::string text;
        int selection;
        int key;
        int taken;
    };
    const Row rows[] = {
        {"Shop", 0, 'x', 'x'},
        {"Shop", 0, '.', '.'},
        {"Shop", 0, ' ', ' '},
        {"", 0, ' ', 0},
        {"Shop", 0, '/', 0},
        {"Shop", 0, ',', 0},
        {"Shop", 0, 22, 0},
        {"Shop", 0, 8, 8},
        {std::string(32, 'a'), 0, 'b', 0},
        {std::string(32, 'a'), 3, 'b', 'b'},
    };
    for (const Row& row : rows) {
        ui.events.clear();
        f.boxText = row.text;
        f.boxSelLength = row.selection;
        EXPECT_EQ(f.LibraryBox_KeyPress(row.key), row.taken) << row.text << " + " << row.key;
        EXPECT_EQ(ui.events, (row.taken == 0 ? Events{"beep"} : Events{}));
        EXPECT_EQ(session.cmd.KeyMode, -32);
    }
}

}  // namespace
}  // namespace tooling::library
