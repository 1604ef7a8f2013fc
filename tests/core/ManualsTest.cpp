#include "core/Manuals.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/DriveReady.h"
#include "core/Session.h"
#include "core/SuiteConfig.h"
#include "tests/support/FixtureInstallation.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"

namespace tooling::core {
namespace {

using test::FixtureInstallation;

struct PdfCase {
    const char* name;
    std::vector<std::string> files;  // relative to the searched root
    std::string expected;            // relative to the root; empty: nothing found
};

class FindPdfReaderCases : public testing::TestWithParam<PdfCase> {};

TEST_P(FindPdfReaderCases, FindsTheLastReaderInListingOrder) {
    const PdfCase& c = GetParam();
    test::TempDir dir;
    test::TestServices os;
    for (const std::string& file : c.files) {
        test::WriteFile(dir.path() + "Adobe/" + file, "exe");
    }
    const std::string root = dir.path() + "Adobe";
    EXPECT_EQ(FindPdfReader(os.fs, root), c.expected.empty() ? "" : root + "/" + c.expected);
    EXPECT_EQ(FindPdfReader(os.fs, root + "/"), c.expected.empty() ? "" : root + "/" + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FindPdfReaderCases,
    testing::Values(PdfCase{"ReaderInAcrobatFolder",
                            {"Acrobat 5.0/Reader/AcroRd32.exe"},
                            "Acrobat 5.0/Reader/AcroRd32.exe"},
                    PdfCase{
                        "LastMatchWins",
                        {"Acrobat DC/Reader/acrord32.EXE", "Adobe Acrobat 9/Acrobat/Acrobat.exe",
                         "Adobe Acrobat 9/Reader/AcroRd32.exe", "Photoshop/Reader/AcroRd32.exe"},
                        "Adobe Acrobat 9/Reader/AcroRd32.exe"},
                    PdfCase{"SecondLevelMustNameAcrobatOrReader",
                            {"Acrobat X/Setup/AcroRd32.exe", "Acrobat X/AcroRd32.exe"},
                            ""},
                    PdfCase{"FirstLevelMustNameAcrobat", {"Reader 11/Reader/AcroRd32.exe"}, ""},
                    PdfCase{"OtherProgramsAreNotReaders",
                            {"Acrobat 7/Reader/AcroRd64.exe", "Acrobat 7/Reader/Acrobat.exe.bak"},
                            ""},
                    PdfCase{"FilesNamedLikeFoldersAreSkipped",
                            {"Acrobat.txt", "acrobat 6/my reader/ACROBAT.exe"},
                            "acrobat 6/my reader/ACROBAT.exe"},
                    PdfCase{"NothingThere", {}, ""}),
    [](const testing::TestParamInfo<PdfCase>& info) { return info.param.name; });

TEST(FindPdfReader, MissingRootFindsNothing) {
    test::TestServices os;
    EXPECT_EQ(FindPdfReader(os.fs, kPdfReaderRoot), "");
    EXPECT_EQ(FindPdfReader(os.fs, "/no/such/folder"), "");
}

TEST(SetUpPdfReader, MissingSettingsAreSearchedForAndWritten) {
    FixtureInstallation fx;
    fx.Write("Adobe/Acrobat 9/Reader/AcroRd32.exe", "exe");
    ReadSuiteConfig(fx.session(), fx.Path("Adobe"));
    const std::string reader = fx.Path("Adobe/Acrobat 9/Reader/AcroRd32.exe");
    EXPECT_EQ(fx.session().inst.PdfReader, reader);
    EXPECT_EQ(fx.Read("Program/Acrobat.cfg"), reader + "\r\n******\r\n");

    FixtureInstallation none;
    ReadSuiteConfig(none.session());
    EXPECT_EQ(none.session().inst.PdfReader, "");
    EXPECT_EQ(none.Read("Program/Acrobat.cfg"), "\r\n******\r\n");
}

TEST(SetUpPdfReader, ExistingSettingsNameTheReader) {
    struct Row {
        const char* name;
        std::string line1;  // "@" stands for the fixture's root
        std::string expected;
    };
    const Row rows[] = {
        {"PresentReader", "  @Tools/Reader.exe  ", "@Tools/Reader.exe"},
        {"MissingReader", "@Tools/Gone.exe", ""},
        {"EndMark", "******", ""},
        {"SixCharactersAreTooFew", "/r.exe", ""},
        {"Empty", "", ""},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx;
        fx.Write("Tools/Reader.exe", "exe");
        std::string line1 = r.line1;
        if (const std::size_t at = line1.find('@'); at != std::string::npos) {
            line1.replace(at, 1, fx.Root());
        }
        const std::string cfg = line1 + "\r\n******\r\n";
        fx.Write("Program/Acrobat.cfg", cfg);
        fx.Write("r.exe", "exe");
        ReadSuiteConfig(fx.session());
        EXPECT_EQ(fx.session().inst.PdfReader,
                  r.expected.empty() ? "" : fx.Root() + r.expected.substr(1))
            << r.name;
        EXPECT_EQ(fx.Read("Program/Acrobat.cfg"), cfg) << r.name;
    }
}

TEST(SetUpManuals, DefaultFolderIsWrittenAndCreated) {
    FixtureInstallation fx;
    ReadSuiteConfig(fx.session());
    EXPECT_EQ(fx.Read("Program/Manuals.cfg"), fx.ProgramDir() + "Manuals/\r\n******\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(fx.Path("Program/Manuals")));
    EXPECT_EQ(fx.session().inst.ManualsDir, "");  // no manual in it yet

    fx.Write("Program/Manuals/Tooling.PDF", "%PDF");
    ReadSuiteConfig(fx.Restart());
    EXPECT_EQ(fx.session().inst.ManualsDir, fx.ProgramDir() + "Manuals/");
}

TEST(SetUpManuals, NamedFolder) {
    struct Row {
        const char* name;
        std::string line1;  // "@" stands for the fixture's root
        bool pdf;
        std::string expected;  // "@" as above
        const char* created;
    };
    const Row rows[] = {
        {"OtherFolderWithManual", " @Docs ", true, "@Docs/", "Docs"},
        {"OtherFolderWithoutManual", "@Docs/", false, "", "Docs"},
        {"EndMarkKeepsTheDefault", "******", false, "", "Program/Manuals"},
        {"OneCharacterKeepsTheDefault", "x", false, "", "Program/Manuals"},
        {"ParentMissingIsIgnored", "@No/Such/Docs", false, "", nullptr},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx;
        std::string line1 = r.line1;
        if (const std::size_t at = line1.find('@'); at != std::string::npos) {
            line1.replace(at, 1, fx.Root());
        }
        fx.Write("Program/Manuals.cfg", line1 + "\r\n******\r\n");
        if (r.pdf) {
            fx.Write("Docs/Guide.pdf", "%PDF");
        }
        ReadSuiteConfig(fx.session());
        const std::string expected = r.expected.empty() ? "" : fx.Root() + r.expected.substr(1);
        EXPECT_EQ(fx.session().inst.ManualsDir, expected) << r.name;
        if (r.created != nullptr) {
            EXPECT_TRUE(std::filesystem::is_directory(fx.Path(r.created))) << r.name;
        }
        EXPECT_FALSE(fx.Exists("No")) << r.name;
    }
}

TEST(SetUpPdfReader, UnreadableSettingsNeverStopStartUp) {
    FixtureInstallation fx;
    std::filesystem::create_directories(fx.Path("Program/Acrobat.cfg/x"));
    std::filesystem::create_directories(fx.Path("Program/Manuals.cfg"));
    fx.Write("Program/Manuals", "a file where the folder should be");
    EXPECT_NO_THROW(ReadSuiteConfig(fx.session()));
    EXPECT_EQ(fx.session().inst.PdfReader, "");
    EXPECT_EQ(fx.session().inst.ManualsDir, "");
    EXPECT_TRUE(fx.session().inst.SiblingsPresent);
}

TEST(DriveReady, EmptyOrRelativePathsAreNotReady) {
    test::TestServices os;
    test::TempDir dir;
    EXPECT_FALSE(DriveReady(os.fs, ""));
    EXPECT_FALSE(DriveReady(os.fs, "C:"));
    EXPECT_FALSE(DriveReady(os.fs, "C:\\Work"));
    EXPECT_TRUE(DriveReady(os.fs, dir.path()));
    EXPECT_TRUE(DriveReady(os.fs, dir.path() + "not/yet/made"));
    EXPECT_TRUE(DriveReady(os.fs, "/"));
}

}  // namespace
}  // namespace tooling::core
