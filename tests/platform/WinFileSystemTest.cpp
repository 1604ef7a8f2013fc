// What only the Windows file system does; FileSystemTest.cpp has what every file system does.

#include "platform/win/WinFileSystem.h"

#include <gtest/gtest.h>
#include <windows.h>
#undef DeleteFile

#include <filesystem>
#include <string>

#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using test::WriteFile;
using Names = std::vector<std::string>;

class WinFileSystemTest : public ::testing::Test {
  protected:
    std::string P(const std::string& relative) const { return dir.path() + relative; }

    test::TempDir dir;
    WinFileSystem fs;
};

TEST(WinVolumeOf, IsTheDriveRootOrTheShare) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\Ostrevan\\Program\\", "C:\\"},
        {"d:/data", "d:\\"},
        {"E:", "E:\\"},
        {"\\\\server\\share\\Data\\Tools", "\\\\server\\share\\"},
        {"//server/share", "\\\\server\\share\\"},
        {"\\\\server", ""},
        {"\\\\server\\", ""},
        {"\\\\\\share", ""},
        {"relative\\path", ""},
        {"\\rooted", ""},
        {"", ""},
    };
    for (const auto& [path, volume] : rows) {
        EXPECT_EQ(WinFileSystem().VolumeOf(path), volume) << path;
    }
}

TEST_F(WinFileSystemTest, DriveIsReadyWhenItsRootCanBeListed) {
    EXPECT_TRUE(fs.VolumeReady(dir.path()));
    EXPECT_TRUE(fs.VolumeReady(dir.path().substr(0, 2)));
    EXPECT_FALSE(fs.VolumeReady(test::UnreadyDrive() + "\\Work"));
    EXPECT_FALSE(fs.VolumeReady("Work"));
}

// Entries marked hidden or system stay out of listings, as names starting with "." do.
TEST_F(WinFileSystemTest, ListingsLeaveOutHiddenAndSystemEntries) {
    for (const char* name : {"Shop.lkp", "Hidden.lkp", "System.lkp", "Folder/in.lkp"}) {
        WriteFile(P(name), name);
    }
    ::SetFileAttributesA(P("Hidden.lkp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ::SetFileAttributesA(P("System.lkp").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ::SetFileAttributesA(P("Folder").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(fs.List(P("*.*"), ListFilter::FilesAndDirs), Names{"Shop.lkp"});
    EXPECT_TRUE(fs.Exists(P("hidden.LKP"), ListFilter::Files));
    fs.DeleteFiles(P("*.lkp"));
    EXPECT_TRUE(fs.Exists(P("System.lkp"), ListFilter::Files));
    EXPECT_FALSE(fs.Exists(P("Shop.lkp"), ListFilter::Files));
}

// Names are Windows-1252 bytes: "\x80" is the euro sign on disk. A name with a character that
// has no such byte cannot be named, so it is not listed.
TEST_F(WinFileSystemTest, NamesAreWindows1252AndSlashSeparatesToo) {
    fs.MakeDir(P("Caf\xE9"));
    fs.Replace(P("Caf\xE9/\x80uro.lkp"), "euro");
    std::filesystem::create_directory(std::filesystem::path(test::PathOf(P("Caf\xE9"))) /
                                      L"\u0416.lkp");
    const std::wstring wide = std::filesystem::path(test::PathOf(P("Caf\xE9"))).wstring();
    EXPECT_EQ(::GetFileAttributesW((wide + L"\\\u20ACuro.lkp").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              0u);
    EXPECT_EQ(fs.List(P("caf\xE9\\*.*"), ListFilter::FilesAndDirs), Names{"\x80uro.lkp"});
    EXPECT_EQ(fs.ReadAll(P("CAF\xE9/\x80URO.LKP")), "euro");
}

// A scanner holding the new file for a moment does not fail the replace.
TEST_F(WinFileSystemTest, ReplaceTriesTheMoveAgainWhileTheTargetIsBusy) {
    WriteFile(P("Shop.lkp"), "old");
    WinCalls calls;
    int busy = 3;
    calls.move = [&busy](const wchar_t* from, const wchar_t* to) {
        if (busy-- > 0) {
            ::SetLastError(ERROR_SHARING_VIOLATION);
            return false;
        }
        return ::MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
    };
    WinFileSystem(calls).Replace(P("Shop.lkp"), "new");
    EXPECT_EQ(fs.ReadAll(P("Shop.lkp")), "new");
    EXPECT_EQ(fs.List(P("*.*"), ListFilter::FilesAndDirs), Names{"Shop.lkp"});
}

}  // namespace
}  // namespace tooling::platform
