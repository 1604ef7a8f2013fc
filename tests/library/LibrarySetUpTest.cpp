#include "library/LibrarySetUp.h"

#include <gtest/gtest.h>

#include "library/LibraryFiles.h"
#include "tests/library/LibraryFixture.h"
#include "turrets/DefaultTools.h"

namespace tooling::library {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

const std::string kIndex = "******\r\n";
const std::string kEmptyTurret =
    "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n3, , , 0, 0, 0, 0, , 0\r\n******\r\n";

TEST(StripExt, DropsTheLastExtensionOfTheTrimmedName) {
    const std::pair<std::string, std::string> rows[] = {
        {"Shop.lkp", "Shop"},
        {"  Shop.lkp  ", "Shop"},
        {"Shop.Old.lkp", "Shop.Old"},
        {"Full Library.lkp", "Full Library"},
        {"Shop", "Shop"},
        {"  Shop  ", "Shop"},
        {".lkp", ""},
        {"Shop.", "Shop"},
        {"", ""},
        {"Shop .lkp", "Shop "},
    };
    for (const auto& [name, stripped] : rows) {
        EXPECT_EQ(StripExt(name), stripped) << '"' << name << '"';
    }
}

TEST(FileExt, FindsExtensionsOfOneToThreeCharacters) {
    const std::pair<std::string, std::string> rows[] = {
        {"Shop.lkp", "lkp"},
        {"Shop.A", "A"},
        {"Shop.AMC", "AMC"},
        {"Shop.12", "12"},
        {"Shop.0", "0"},
        {"Shop.Long", ""},
        {"Shop", ""},
        {"Shop.", ""},
        {".lkp", ""},
        {"A.b", "b"},
        {" Shop.dft  ", "dft"},
        {"x.y.z", "z"},
        {"", ""},
    };
    for (const auto& [name, ext] : rows) {
        EXPECT_EQ(FileExt(name), ext) << '"' << name << '"';
    }
}

TEST(BelongsTo, OwnFilesHaveOneExtensionAfterTheName) {
    struct Row {
        const char* file;
        const char* library;
        bool belongs;
    };
    const Row rows[] = {
        {"Shop.lkp", "Shop", true},       {"SHOP.LKP", "Shop", true},
        {"shop.A", "SHOP", true},         {"Shop.Long", "Shop", true},
        {"Shop.Old.lkp", "Shop", false},  {"Shop.Old.lkp", "Shop.Old", true},
        {"Shop", "Shop", false},          {"Shop.", "Shop", false},
        {"Shop2.lkp", "Shop", false},     {"Sho.lkp", "Shop", false},
        {"Shop.dft.lock", "Shop", false}, {"Full Library.0", "Full Library", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(BelongsTo(row.file, row.library), row.belongs)
            << row.file << " of " << row.library;
    }
}

class SetUp : public ::testing::Test, public test::LibraryFixture {};

TEST_F(SetUp, MaterialLibraryThatExistsIsOpened) {
    WriteMaterial("Default", "Shop");
    WriteFile(ToolPath("Shop.lkp"), "Punch, 1 \r\n******\r\n");
    core::DefaultToolRec clearing;
    clearing.recordNo = 2;
    clearing.shape = 'B';
    WriteFile(ToolPath("Shop.dft"), turrets::EncodeDefault({}) + turrets::EncodeDefault({}) +
                                        turrets::EncodeDefault(clearing));

    SetUpLibrary(session, "Default");

    EXPECT_EQ(session.lib.MaterialName, "Default");
    EXPECT_EQ(session.lib.LibraryName, "Shop");
    EXPECT_EQ(session.lib.ToolLibPrefix, ToolPath("Shop."));
    EXPECT_EQ(session.lib.TurretLibPrefix, TurretPath("Shop."));
    EXPECT_EQ(session.lib.DefaultTools[2], clearing);
    EXPECT_EQ(session.lib.DefaultTools[0], core::DefaultToolRec{});
    EXPECT_EQ(session.lib.DefaultTools[3], core::DefaultToolRec{});
    // Nothing of the library is overwritten; what is missing is created.
    EXPECT_EQ(ReadFile(ToolPath("Shop.lkp")), "Punch, 1 \r\n******\r\n");
    EXPECT_EQ(ToolNames(), (std::vector<std::string>{"Full Library.lkp", "Shop.dft", "Shop.lkp"}));
    EXPECT_EQ(TurretNames(), (std::vector<std::string>{"Full Library.0", "Full Library.lkp",
                                                       "Shop.0", "Shop.lkp"}));
    EXPECT_EQ(ReadFile(TurretPath("Shop.0")), kEmptyTurret);
    EXPECT_EQ(ReadFile(TurretPath("Shop.lkp")), kIndex);
    EXPECT_TRUE(ui.events.empty());
}

TEST_F(SetUp, FallsBackToFullLibraryThenToTheFirstLibrary) {
    struct Row {
        std::string material;                // material named, written when not empty
        std::string library;                 // library on its line 7
        std::vector<std::string> libraries;  // tool indexes present before
        std::string chosen;
        std::string materialName;
    };
    const Row rows[] = {
        {"Default", "Missing", {"Full Library", "Alpha"}, "Full Library", "Default"},
        {"Default", "Missing", {"Beta", "Alpha"}, "Alpha", "Default"},
        {"Default", "Missing", {}, "Full Library", "Default"},
        {"Default", "", {"Zed"}, "Zed", "Default"},
        {"Default", "alpha", {"Alpha"}, "alpha", "Default"},  // found without regard to case
        {"Steel", "Beta", {"Alpha", "Beta"}, "Beta", "Steel"},
        {"", "", {"Alpha", "Beta"}, "Alpha", "Default"},  // no such material: Default
    };
    for (const Row& row : rows) {
        test::LibraryFixture f;
        if (!row.material.empty()) {
            f.WriteMaterial(row.material, row.library);
        }
        for (const std::string& name : row.libraries) {
            WriteFile(f.ToolPath(name + ".lkp"), "");
        }
        SetUpLibrary(f.session, row.material.empty() ? "  Steel  " : "  " + row.material + " ");
        const std::string& chosen = f.session.lib.LibraryName;
        EXPECT_EQ(chosen, row.chosen) << row.library;
        EXPECT_EQ(f.session.lib.MaterialName, row.materialName) << row.library;
        EXPECT_EQ(f.session.lib.ToolLibPrefix, f.ToolPath(row.chosen + "."));
        EXPECT_EQ(f.session.lib.TurretLibPrefix, f.TurretPath(row.chosen + "."));
        // The files of Full Library are made sure of in every case.
        EXPECT_TRUE(FileExists(f.ToolPath("Full Library.lkp")));
        EXPECT_EQ(ReadFile(f.TurretPath("Full Library.lkp")), kIndex);
        EXPECT_EQ(ReadFile(f.TurretPath("Full Library.0")), kEmptyTurret);
        EXPECT_TRUE(f.fs.Exists(f.ToolPath(row.chosen + ".lkp"), platform::ListFilter::Files));
        EXPECT_EQ(ReadFile(f.TurretPath(row.chosen + ".0")), kEmptyTurret);
    }
}

TEST_F(SetUp, CreatesTheMissingFilesWithTheirBytes) {
    session.machine.StationCount = 2;
    WriteMaterial("Default", "Shop");
    SetUpLibrary(session, "Default");
    EXPECT_EQ(session.lib.LibraryName, "Full Library");
    EXPECT_EQ(ToolNames(), std::vector<std::string>{"Full Library.lkp"});
    EXPECT_EQ(TurretNames(), (std::vector<std::string>{"Full Library.0", "Full Library.lkp"}));
    EXPECT_EQ(ReadFile(ToolPath("Full Library.lkp")), kIndex);
    EXPECT_EQ(ReadFile(TurretPath("Full Library.lkp")), kIndex);
    EXPECT_EQ(ReadFile(TurretPath("Full Library.0")),
              "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n******\r\n");
    for (const core::DefaultToolRec& rec : session.lib.DefaultTools) {
        EXPECT_EQ(rec, core::DefaultToolRec{});
    }
}

TEST_F(SetUp, FileErrorsSkipTheStepAndGoOn) {
    WriteMaterial("Default", "Shop");
    WriteFile(ToolPath("Shop.lkp"), kIndex);
    fs.failOn = "Turrets/M1/Shop.lkp";
    SetUpLibrary(session, "Default");
    EXPECT_EQ(session.lib.LibraryName, "Shop");
    EXPECT_FALSE(FileExists(TurretPath("Shop.lkp")));
    EXPECT_EQ(ReadFile(TurretPath("Shop.0")), kEmptyTurret);
    EXPECT_EQ(ReadFile(TurretPath("Full Library.0")), kEmptyTurret);
}

TEST_F(SetUp, RouterMachineSetsThePrefixesOnly) {
    session.machine.MachineType = 40;
    session.machine.TurretMachine = false;
    session.machine.RouterMachine = true;
    WriteMaterial("Default", "Routing");
    session.lib.DefaultTools[0].recordNo = 3;
    SetUpLibrary(session, "Default");
    EXPECT_EQ(session.lib.LibraryName, "Routing");
    EXPECT_EQ(session.lib.ToolLibPrefix, ToolPath("Routing."));
    EXPECT_EQ(session.lib.TurretLibPrefix, TurretPath("Routing."));
    EXPECT_TRUE(ToolNames().empty());
    EXPECT_TRUE(TurretNames().empty());
    EXPECT_EQ(session.lib.DefaultTools[0].recordNo, 3);  // not read
}

TEST_F(SetUp, NothingWithoutTheSiblingPrograms) {
    session.inst.SiblingsPresent = false;
    WriteMaterial("Default", "Shop");
    SetUpLibrary(session, "Default");
    EXPECT_EQ(session.lib.LibraryName, "");
    EXPECT_EQ(session.lib.MaterialName, "");
    EXPECT_TRUE(ToolNames().empty());
    EXPECT_TRUE(TurretNames().empty());
}

}  // namespace
}  // namespace tooling::library
