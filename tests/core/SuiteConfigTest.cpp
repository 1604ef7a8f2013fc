#include "core/SuiteConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "core/Session.h"
#include "tests/core/Helpers.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/LibraryFixture.h"

namespace tooling::core {
namespace {

using test::At;
using test::ErrorOf;
using test::FixtureInstallation;

TEST(ReadSuiteConfig, TakesFiveTrimmedLinesAndARoundedMachineNumber) {
    FixtureInstallation fx;
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/SuiteConfigLines.txt")) {
        fx.Write("Program/Ostrevan.cfg",
                 row.Has("line4") ? fx.Config(row["line4"]) : At(fx, row["bytes"]));
        const std::string error = ErrorOf([&] { ReadSuiteConfig(fx.Restart()); });
        const Installation& i = fx.session().inst;
        EXPECT_EQ(error != "no error" ? error
                                      : i.ProgramDir + "|" + i.DataDir + "|" + i.UserRoot + "|" +
                                            std::to_string(i.MachineNo) + "|" + i.UserDirName,
                  At(fx, row["read"]))
            << row.name;
    }
}

TEST(WriteSuiteConfig, ReplacesTheFileOnlyWhenItsBytesChange) {
    test::LibraryFixture f;  // its file system refuses to replace the file when asked
    Installation& inst = f.session.inst;
    std::tie(inst.ProgramDir, inst.DataDir, inst.UserRoot, inst.MachineNo, inst.UserDirName) =
        std::tuple(f.dir.path(), "D/", "U/", std::int16_t{2}, "Work");
    const std::string path = f.dir.path() + "Ostrevan.cfg";
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/SuiteConfigWrites.txt")) {
        std::filesystem::remove(test::PathOf(path));
        if (row.Has("before")) {
            test::WriteFile(path, f.dir.path() + row["before"].substr(1));
        }
        f.fs.failOn = "Ostrevan.cfg";
        EXPECT_EQ(ErrorOf([&] { WriteSuiteConfig(f.session); }) != "no error",
                  row["replaced"] == "yes")
            << row.name;
        f.fs.failOn = "";
        WriteSuiteConfig(f.session);
        EXPECT_EQ(test::ReadFile(path), f.dir.path() + "\r\nD/\r\nU/\r\n 2 \r\nWork\r\n******\r\n");
    }
}

TEST(SetUpPdfReader, MissingSettingsGetTheLastReaderInListingOrder) {
    FixtureInstallation fx;
    // Every file after the winner in listing order breaks one rule of the search.
    for (const char* file :
         {"Acrobat 5/Acrobat/Acrobat.exe", "Acrobat 5/My Reader/acrord32.EXE",
          "Acrobat 7/Setup/AcroRd32.exe", "Acrobat 7/AcroRd32.exe", "Acrobat 7/Reader/AcroRd64.exe",
          "Acrobat 7/Reader/Acrobat.exe.bak", "Acrobat.txt", "Photoshop/Reader/AcroRd32.exe",
          "Reader 11/Reader/AcroRd32.exe"}) {
        fx.Write(std::string("Adobe/") + file, "exe");
    }
    ReadSuiteConfig(fx.session(), fx.Path("Adobe"));
    const std::string reader = fx.Path("Adobe/Acrobat 5/My Reader/acrord32.EXE");
    EXPECT_EQ(fx.session().inst.PdfReader, reader);
    EXPECT_EQ(fx.Read("Program/Acrobat.cfg"), reader + "\r\n******\r\n");
    fx.Remove("Program/Acrobat.cfg");
    ReadSuiteConfig(fx.Restart(), fx.Path("None"));
    EXPECT_EQ(fx.session().inst.PdfReader, "");
    EXPECT_EQ(fx.Read("Program/Acrobat.cfg"), "\r\n******\r\n");

    // Existing settings are only read: line 1 names the reader when it is there.
    fx.Write("r.exe", "exe");
    const std::pair<const char*, const char*> rows[] = {
        {"  @r.exe  ", "@r.exe"}, {"@Adobe/Gone.exe", ""}, {"******", ""}, {"", ""}};
    for (const auto& [line1, expected] : rows) {
        const std::string cfg = At(fx, line1) + "\r\n******\r\n";
        fx.Write("Program/Acrobat.cfg", cfg);
        ReadSuiteConfig(fx.Restart());
        EXPECT_EQ(fx.session().inst.PdfReader, At(fx, expected)) << line1;
        EXPECT_EQ(fx.Read("Program/Acrobat.cfg"), cfg);
    }
}

TEST(SetUpManuals, FolderFromTheSettingsOrTheDefaultInUseWhenItHoldsAManual) {
    FixtureInstallation fx;
    ReadSuiteConfig(fx.session());
    EXPECT_EQ(fx.Read("Program/Manuals.cfg"), At(fx, "@Program/Manuals/\r\n******\r\n"));
    EXPECT_EQ(fx.session().inst.ManualsDir, "");
    fx.Write("Program/Manuals/Tooling.PDF", "%PDF");
    ReadSuiteConfig(fx.Restart());
    EXPECT_EQ(fx.session().inst.ManualsDir, fx.Path("Program/Manuals/"));

    // Line 1 of Manuals.cfg ("@" the fixture's root), the folder in use (a manual is put there
    // first), a folder made.
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {" @Docs ", "@Docs/", "Docs"},
        {"@Other/", "", "Other"},
        {"******", "", "Program/Manuals"},
        {"x", "", "Program/Manuals"},
        {"@No/Such/Docs", "", "Program"}};  // a folder whose parent is missing is not made
    for (const auto& [line1, expected, made] : rows) {
        fx.Remove("Program/Manuals");
        fx.Write("Program/Manuals.cfg", At(fx, line1) + "\r\n******\r\n");
        if (*expected != 0) {
            fx.Write(At(fx, expected).substr(fx.Root().size()) + "Guide.pdf", "%PDF");
        }
        ReadSuiteConfig(fx.Restart());
        EXPECT_EQ(fx.session().inst.ManualsDir, At(fx, expected)) << line1;
        EXPECT_TRUE(fx.Exists(made) && !fx.Exists("No")) << line1;
    }

    // Settings files that are folders, or a file where the manuals folder should be, never
    // stop start-up.
    for (const std::string file :
         {"Program/Manuals", "Program/Acrobat.cfg/x", "Program/Manuals.cfg/x"}) {
        fx.Remove(file.substr(0, file.find("/x")));
        fx.Write(file, "in the way");
    }
    ReadSuiteConfig(fx.Restart());
    EXPECT_EQ(fx.session().inst.PdfReader + fx.session().inst.ManualsDir, "");
    EXPECT_TRUE(fx.session().inst.SiblingsPresent);
}

}  // namespace
}  // namespace tooling::core
