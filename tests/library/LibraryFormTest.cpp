#include "library/LibraryForm.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "library/DefaultTools.h"
#include "library/LibraryFiles.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/LibraryFixture.h"

namespace tooling::library {
namespace {

using Events = std::vector<std::string>;

class LibraryFormTest : public ::testing::Test, public test::LibraryFixture {
  protected:
    LibraryFormTest() {
        session.lib.LibraryName = "Beta";
        library::SetLibraryPrefixes(session);
    }

    // Opens the dialog as the File menu does.
    LibraryForm& Open(int mode) {
        session.cmd.LibraryMode = static_cast<std::int16_t>(mode);
        form = std::make_unique<LibraryForm>(session);
        form->Form_Load();
        form->Form_GotFocus();
        return *form;
    }

    std::unique_ptr<LibraryForm> form;
};

// A file error keeps the current library and the dialog open; a second try opens the library.
TEST_F(LibraryFormTest, SelectOpensTheLibraryAndCreatesItsMissingFiles) {
    MakeLibrary("Alpha", {"lkp"}, {});
    MakeLibrary("Gamma", {"lkp", "A"}, {"1"});
    core::DefaultToolRec nibbling;
    nibbling.recordNo = 4;
    nibbling.shape = 'A';
    test::WriteFile(ToolPath("Gamma.dft"), library::EncodeDefault(nibbling));
    session.lib.DefaultTools[0].recordNo = 9;
    fs.failOn = "Turrets/M1/Gamma.0";
    LibraryForm& f = Open(1);
    f.list1.selected = 1;
    f.LibraryOk_Click();
    EXPECT_EQ(ui.events,
              (Events{"beep", "message:\"" + TurretPath("Gamma.0") + "\": Permission denied"}));
    EXPECT_FALSE(f.closed);
    EXPECT_EQ(session.cmd.LibraryMode, 1);
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    EXPECT_EQ(session.lib.ToolLibPrefix, ToolPath("Beta."));
    EXPECT_EQ(session.lib.DefaultTools[0].recordNo, 9);

    ui.events.clear();
    fs.failOn = "";
    f.LibraryList_DblClick();
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(session.cmd.LibraryMode, 0);
    EXPECT_EQ(session.lib.LibraryName, "Gamma");
    EXPECT_EQ(session.lib.TurretLibPrefix, TurretPath("Gamma."));
    EXPECT_EQ(session.lib.DefaultTools, (library::DefaultSet{nibbling}));
    EXPECT_EQ(Listing(), "Alpha.lkp Gamma.A Gamma.dft Gamma.lkp | Gamma.0 Gamma.1 Gamma.lkp");
    EXPECT_EQ(test::ReadFile(ToolPath("Gamma.lkp")) + test::ReadFile(TurretPath("Gamma.lkp")) +
                  test::ReadFile(TurretPath("Gamma.0")),
              "tool Gamma.lkp" + test::kIndex + test::kEmptyTurret);
}

// Ok with nothing chosen (modes 1 and 3) or a bad name typed (mode 2) leaves the dialog open.
TEST_F(LibraryFormTest, OkRefusesBadNamesAndEmptyChoices) {
    MakeLibrary("Shop", {"lkp"}, {});
    const LibraryFocus focus[] = {LibraryFocus::None, LibraryFocus::LibraryList1,
                                  LibraryFocus::LibraryBox, LibraryFocus::LibraryList2};
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/LibraryRefusals.txt")) {
        const int mode = std::stoi(row["mode"]);
        ui.events.clear();
        LibraryForm& f = Open(mode);
        f.boxText = row["typed"];
        f.list1.selected = -1;
        f.focus = LibraryFocus::None;
        f.LibraryOk_Click();
        EXPECT_EQ(ui.events, (Events{"beep", "message:" + row["message"]})) << row.name;
        EXPECT_EQ(f.focus, focus[mode]) << row.name;
        EXPECT_EQ(session.cmd.LibraryMode, mode);
        EXPECT_EQ(f.boxText, row["typed"]);
    }
    EXPECT_EQ(Listing(), "Shop.lkp | ");
}

TEST_F(LibraryFormTest, CreateEmptyLibraryKeepsItsLeftOvers) {
    test::WriteFile(TurretPath("New.0"), "left over");
    const std::string x32(32, 'x');
    for (const std::string& typed : {x32, std::string("  New  ")}) {
        LibraryForm& f = Open(2);
        f.boxText = typed;
        f.LibraryList_DblClick();  // no list in this mode
        ASSERT_FALSE(f.closed);
        f.LibraryOk_Click();
        EXPECT_EQ(session.cmd.LibraryMode, 0);
    }
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    EXPECT_EQ(Listing(), "New.lkp " + x32 + ".lkp | New.0 New.lkp " + x32 + ".0 " + x32 + ".lkp");
    EXPECT_EQ(test::ReadFile(TurretPath("New.0")), "left over");
}

TEST_F(LibraryFormTest, CreateAsCopyReplacesLeftOversAndLeavesShopOldAlone) {
    MakeLibrary("Alpha", {"lkp", "A", "AMC", "Long", "dft"}, {"lkp", "0", "12"});
    MakeLibrary("Shop.Old", {"lkp", "A"}, {"lkp", "1"});
    MakeLibrary("Shop", {"X"}, {"7"});  // left-overs of the new library
    test::WriteFile(ToolPath("shop.A"), "left over");

    LibraryForm& f = Open(2);
    f.boxText = "Shop";
    f.combo.selected = 1;
    f.LibraryOk_Click();

    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(f.closed);
    EXPECT_EQ(session.lib.LibraryName, "Beta");
    EXPECT_EQ(Listing(),
              "Alpha.A Alpha.AMC Alpha.Long Alpha.dft Alpha.lkp Shop.A Shop.AMC Shop.Old.A "
              "Shop.Old.lkp Shop.dft Shop.lkp | Alpha.0 Alpha.12 Alpha.lkp Shop.0 Shop.12 "
              "Shop.Old.1 Shop.Old.lkp Shop.lkp");
    EXPECT_EQ(test::ReadFile(ToolPath("Shop.A")) + test::ReadFile(ToolPath("Shop.lkp")) +
                  test::ReadFile(TurretPath("Shop.12")) + test::ReadFile(TurretPath("Shop.Old.1")),
              "tool Alpha.Atool Alpha.lkpturret Alpha.12turret Shop.Old.1");
}

TEST_F(LibraryFormTest, FailedCopyLeavesNoIndexOfTheNewLibrary) {
    MakeLibrary("Shop", {"lkp", "A", "B"}, {"lkp", "0"});
    fs.failOn = "Turrets/M1/Shop2.0";
    LibraryForm& f = Open(2);
    f.boxText = "Shop2";
    f.combo.selected = 1;
    f.LibraryOk_Click();
    EXPECT_EQ(ui.events,
              (Events{"beep", "message:\"" + TurretPath("Shop2.0") + "\": Permission denied"}));
    EXPECT_FALSE(f.closed);
    EXPECT_EQ(Listing(), "Shop.A Shop.B Shop.lkp Shop2.A Shop2.B | Shop.0 Shop.lkp");
}

TEST_F(LibraryFormTest, DeleteAsksThenDeletesEveryFileOfTheLibraries) {
    MakeLibrary("Alpha", {"lkp"}, {"0"});
    MakeLibrary("Gamma", {"lkp"}, {});
    MakeLibrary("Shop", {"lkp", "Long"}, {"0"});
    MakeLibrary("shop", {"D"}, {"2"});
    MakeLibrary("Shop.Old", {"lkp"}, {"1"});
    MakeLibrary("Beta", {"lkp"}, {});             // the current library: never listed
    test::WriteFile(ToolPath("ShopBackup"), "");  // no library's file
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/DeleteLibraries.txt")) {
        SCOPED_TRACE(row.name);
        const bool answer = row["answer"] == "yes";
        ui.events.clear();
        ui.answers = {answer};
        LibraryForm& f = Open(3);
        for (std::size_t i = 0; i < f.list2.size(); ++i) {
            f.list2Selected[i] =
                ("," + row["chosen"] + ",").find("," + f.list2[i] + ",") != std::string::npos;
        }
        f.LibraryOk_Click();
        const Events asked{"ask:" + row["question"]};
        EXPECT_EQ(ui.events, (answer ? Events{asked[0], "wait:on", "wait:off"} : asked));
        EXPECT_EQ(session.cmd.MsgAnswer, answer ? 6 : 7);
        EXPECT_EQ(session.cmd.LibraryMode, 0);
        EXPECT_EQ(Listing(), row["left"]);
    }
}

TEST_F(LibraryFormTest, FailedDeleteKeepsTheLibraryListed) {
    MakeLibrary("Alpha", {"lkp", "A"}, {"lkp", "0"});
    MakeLibrary("Gamma", {"lkp", "B", "txt"}, {"lkp", "0"});  // the index goes last
    fs.failOn = "Tools/M1/Gamma.txt";
    ui.answers = {true};
    LibraryForm& f = Open(3);
    f.list2Selected = {true, true};
    f.LibraryOk_Click();
    EXPECT_EQ(ui.events, (Events{"ask:Delete 2 Libraries ?", "wait:on", "wait:off", "beep",
                                 "message:\"" + ToolPath("Gamma.txt") + "\": Permission denied"}));
    EXPECT_EQ(f.list2, std::vector<std::string>{"Gamma"});
    EXPECT_EQ(f.list2Selected, std::vector<bool>{false});
    EXPECT_EQ(Listing(), "Gamma.lkp Gamma.txt | ");
}

TEST_F(LibraryFormTest, NameBoxTakesTheKeysOfALibraryName) {
    LibraryForm& f = Open(2);
    f.boxText = "Shop";
    f.LibraryBox_GotFocus();
    EXPECT_EQ(std::pair(f.boxSelStart, f.boxSelLength), std::pair(0, 4));
    // The text, its selected length, the key, and the key as taken (0 refused).
    const std::string a32(32, 'a');
    const std::tuple<std::string, int, int, int> rows[] = {
        {"Shop", 0, '.', '.'}, {"Shop", 0, '/', 0}, {"   ", 0, ' ', 0},
        {a32, 0, 'b', 0},      {a32, 3, 'b', 'b'},
    };
    for (const auto& [text, selection, key, taken] : rows) {
        ui.events.clear();
        f.boxText = text;
        f.boxSelLength = selection;
        EXPECT_EQ(f.LibraryBox_KeyPress(key), taken) << text << " + " << key;
        EXPECT_EQ(ui.events, (taken == 0 ? Events{"beep"} : Events{}));
    }
}

}  // namespace
}  // namespace tooling::library
