// What only the POSIX file system does; FileSystemTest.cpp has what every file system does.

#include "platform/posix/PosixFileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;

class PosixFileSystemTest : public ::testing::Test {
  protected:
    std::string P(const std::string& relative) const { return dir.path() + relative; }

    test::TempDir dir;
    PosixFileSystem fs;
};

// Each path component missing under its exact name is resolved without regard to case.
TEST_F(PosixFileSystemTest, ResolvesEachComponentWithoutRegardToCase) {
    WriteFile(P("Data/Mach1/Shop.lkp"), "shop");
    WriteFile(P("Case/Name.txt"), "exact");
    WriteFile(P("Case/NAME.TXT"), "upper");
    const std::pair<const char*, const char*> rows[] = {
        {"DATA/mach1/shop.LKP", "Data/Mach1/Shop.lkp"},
        {"data//mach1/", "Data/Mach1"},
        {"DATA/Nope/SHOP.lkp", "Data/Nope/SHOP.lkp"},  // the rest stays as given
        {"DATA/MACH1/New.Lkp", "Data/Mach1/New.Lkp"},  // a new file keeps its case
        {"Case/Name.txt", "Case/Name.txt"},            // the exact name wins
        {"case/name.txt", "Case/NAME.TXT"},            // else the first in listing order
        {"data/./MACH1/../mach1", "Data/./Mach1/../Mach1"},
    };
    for (const auto& [given, resolved] : rows) {
        EXPECT_EQ(fs.Resolve(P(given)), P(resolved)) << given;
    }
}

// Links are listed as what they lead to; a dangling one is not there.
TEST_F(PosixFileSystemTest, ListsLinksAsTheirTargets) {
    WriteFile(P("lib/Tools.lkp"), "tools");
    std::filesystem::create_symlink("Tools.lkp", P("lib/link.lkp"));
    std::filesystem::create_symlink("missing.lkp", P("lib/dangling.lkp"));
    std::filesystem::create_directory(P("Data"));
    std::filesystem::create_symlink(P("Data"), P("lib/Folder.lkp"));
    EXPECT_EQ(fs.List(P("lib/*.lkp"), ListFilter::Files), (Names{"link.lkp", "Tools.lkp"}));
    EXPECT_EQ(fs.List(P("lib/*.lkp"), ListFilter::FilesAndDirs),
              (Names{"Folder.lkp", "link.lkp", "Tools.lkp"}));
    EXPECT_FALSE(fs.Exists(P("lib/dangling.lkp"), ListFilter::FilesAndDirs));
    EXPECT_EQ(fs.ReadAll(P("LIB/LINK.lkp")), "tools");
}

TEST(VolumeOf, IsTheMountPointThatHoldsThePath) {
    const std::pair<const char*, const char*> rows[] = {
        {"/", "/"},        {"relative/path", ""},       {"/no/such/folder", "/"},
        {"/proc/..", "/"}, {"/PROC/no/such", "/proc/"},
    };
    for (const auto& [path, volume] : rows) {
        EXPECT_EQ(PosixFileSystem().VolumeOf(path), volume) << path;
    }
    EXPECT_TRUE(PosixFileSystem().VolumeReady("/proc/no/such"));
    EXPECT_FALSE(PosixFileSystem().VolumeReady("relative"));
}

// The permission bits of a replaced file stay, a new file gets those the umask allows, and
// through a symbolic link the file it names is replaced while the link stays.
TEST_F(PosixFileSystemTest, ReplaceKeepsPermissionsAndLinks) {
    WriteFile(P("Shared/Ostrevan.cfg"), "old");
    std::filesystem::permissions(P("Shared/Ostrevan.cfg"), std::filesystem::perms(0640));
    std::filesystem::create_symlink("Shared/Ostrevan.cfg", P("Ostrevan.cfg"));
    fs.Replace(P("ostrevan.CFG"), "new");
    fs.Replace(P("Fresh.cfg"), "fresh");

    EXPECT_TRUE(std::filesystem::is_symlink(P("Ostrevan.cfg")));
    EXPECT_EQ(ReadFile(P("Shared/Ostrevan.cfg")), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(P("Shared")), {}), 1);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const auto mode = [this](const std::string& path) {
        return static_cast<unsigned>(std::filesystem::status(P(path)).permissions());
    };
    EXPECT_EQ(mode("Shared/Ostrevan.cfg"), 0640u);
    EXPECT_EQ(mode("Fresh.cfg"), 0666u & ~mask);
}

}  // namespace
}  // namespace tooling::platform
