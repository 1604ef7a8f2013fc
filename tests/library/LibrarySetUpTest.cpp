#include "library/LibrarySetUp.h"

#include <gtest/gtest.h>

#include <sstream>

#include "library/DefaultTools.h"
#include "library/LibraryFiles.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/LibraryFixture.h"

namespace tooling::library {
namespace {

TEST(LibraryNames, StripExtAndFileExtOfATrimmedName) {
    const std::string rows[][3] = {
        {"  Shop.Old.lkp ", "Shop.Old", "lkp"},
        {"Shop .12", "Shop ", "12"},
        {"Shop.Long", "Shop", ""},
        {"Shop.", "Shop", ""},
        {".lkp", "", ""},
        {"Shop", "Shop", ""},
    };
    for (const auto& [name, stripped, ext] : rows) {
        EXPECT_EQ(StripExt(name) + "|" + FileExt(name), stripped + "|" + ext) << '"' << name << '"';
    }
}

class SetUp : public ::testing::Test, public test::LibraryFixture {};

// A file error skips only its step; the next set-up makes what it skipped.
TEST_F(SetUp, OpensTheMaterialsLibraryAndCreatesWhatIsMissingStepByStep) {
    WriteMaterial("Default", "Shop");
    test::WriteFile(ToolPath("Shop.lkp"), "Punch, 1 \r\n******\r\n");
    core::DefaultToolRec clearing;
    clearing.recordNo = 2;
    clearing.shape = 'B';
    const std::string empty = library::EncodeDefault({});
    test::WriteFile(ToolPath("Shop.dft"), empty + empty + library::EncodeDefault(clearing));
    session.lib.DefaultTools[0].recordNo = 5;
    fs.failOn = "Turrets/M1/Shop.lkp";
    SetUpLibrary(session, "Default");
    EXPECT_EQ(Listing(),
              "Full Library.lkp Shop.dft Shop.lkp | Full Library.0 Full Library.lkp Shop.0");

    fs.failOn = "";
    SetUpLibrary(session, "Default");

    EXPECT_EQ(session.lib.MaterialName, "Default");
    EXPECT_EQ(session.lib.LibraryName, "Shop");
    EXPECT_EQ(session.lib.ToolLibPrefix, ToolPath("Shop."));
    EXPECT_EQ(session.lib.TurretLibPrefix, TurretPath("Shop."));
    EXPECT_EQ(session.lib.DefaultTools, (library::DefaultSet{{{}, {}, clearing, {}}}));
    EXPECT_EQ(Listing(),
              "Full Library.lkp Shop.dft Shop.lkp | Full Library.0 Full Library.lkp "
              "Shop.0 Shop.lkp");
    EXPECT_EQ(test::ReadFile(ToolPath("Shop.lkp")), "Punch, 1 \r\n******\r\n");
    EXPECT_EQ(test::ReadFile(ToolPath("Full Library.lkp")), test::kIndex);
}

TEST_F(SetUp, FallsBackToFullLibraryThenToTheFirstLibrary) {
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/LibraryFallBacks.txt")) {
        SCOPED_TRACE(row.name);
        test::LibraryFixture f;
        f.WriteMaterial(row["written"], row["library"]);
        std::istringstream libraries(row["libraries"]);
        for (std::string name; std::getline(libraries, name);) {
            test::WriteFile(f.ToolPath(name + ".lkp"), "");
        }
        SetUpLibrary(f.session, row["asked"]);
        EXPECT_EQ(f.session.lib.LibraryName, row["chosen"]);
        EXPECT_EQ(f.session.lib.MaterialName, row["material"]);
        EXPECT_EQ(f.session.lib.TurretLibPrefix, f.TurretPath(row["chosen"] + "."));
        for (const std::string& name : {row["chosen"], std::string(kFullLibrary)}) {
            EXPECT_TRUE(f.fs.Exists(f.ToolPath(name + ".lkp"), platform::ListFilter::Files));
            EXPECT_EQ(test::ReadFile(f.TurretPath(name + ".lkp")) +
                          test::ReadFile(f.TurretPath(name + ".0")),
                      test::kIndex + test::kEmptyTurret)
                << name;
        }
    }
}

}  // namespace
}  // namespace tooling::library
