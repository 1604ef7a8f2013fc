#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/FileError.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::platform {
namespace {

using test::DirExists;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;
using Names = std::vector<std::string>;

// Every entry of a folder, hidden ones included, as the operating system lists it.
Names RawEntries(const std::string& dir) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class PosixFileSystemTest : public ::testing::Test {
  protected:
    std::string P(const std::string& relative) const { return dir.path() + relative; }

    // A library folder with names in mixed case, hidden files, folders and links.
    void MakeLibraryFolder() {
        for (const char* name : {"Shop.lkp", "shop.0", "SHOP.1", "Shop", "Shop.Old.lkp", "Shops",
                                 "Tools.lkp", "notes", "b.LKP", ".hidden.lkp", ".Shop.lkp.lock"}) {
            WriteFile(P("lib/") + name, name);
        }
        std::filesystem::create_directory(P("lib/Data"));
        std::filesystem::create_directory(P("lib/Sub.lkp"));
        std::filesystem::create_symlink("Tools.lkp", P("lib/link.lkp"));
        std::filesystem::create_symlink("missing.lkp", P("lib/dangling.lkp"));
    }

    test::TempDir dir;
    PosixFileSystem fs;
};

struct ListRow {
    const char* pattern;
    ListFilter filter;
    Names expected;
};

TEST_F(PosixFileSystemTest, ListsMatchingVisibleEntriesInListingOrder) {
    MakeLibraryFolder();
    const auto files = ListFilter::Files;
    const auto all = ListFilter::FilesAndDirs;
    const ListRow rows[] = {
        {"lib/*.lkp", files, {"b.LKP", "link.lkp", "Shop.lkp", "Shop.Old.lkp", "Tools.lkp"}},
        {"lib/*.lkp",
         all,
         {"b.LKP", "link.lkp", "Shop.lkp", "Shop.Old.lkp", "Sub.lkp", "Tools.lkp"}},
        {"LIB/*.LKP", files, {"b.LKP", "link.lkp", "Shop.lkp", "Shop.Old.lkp", "Tools.lkp"}},
        {"lib/*.*",
         files,
         {"b.LKP", "link.lkp", "notes", "Shop", "shop.0", "SHOP.1", "Shop.lkp", "Shop.Old.lkp",
          "Shops", "Tools.lkp"}},
        {"lib/*.*",
         all,
         {"b.LKP", "Data", "link.lkp", "notes", "Shop", "shop.0", "SHOP.1", "Shop.lkp",
          "Shop.Old.lkp", "Shops", "Sub.lkp", "Tools.lkp"}},
        {"lib/*",
         all,
         {"b.LKP", "Data", "link.lkp", "notes", "Shop", "shop.0", "SHOP.1", "Shop.lkp",
          "Shop.Old.lkp", "Shops", "Sub.lkp", "Tools.lkp"}},
        {"lib/Shop.*", files, {"Shop", "shop.0", "SHOP.1", "Shop.lkp", "Shop.Old.lkp"}},
        {"lib/shop.1", files, {"SHOP.1"}},
        {"lib/data", files, {}},
        {"lib/data", all, {"Data"}},
        {"lib/.*", all, {}},
        {"lib/*.tol", all, {}},
        {"missing/*.*", all, {}},
        {"lib/Shop.lkp/*.*", all, {}},
    };
    for (const ListRow& row : rows) {
        EXPECT_EQ(fs.List(P(row.pattern), row.filter), row.expected)
            << row.pattern << (row.filter == files ? " (files)" : " (with folders)");
    }
}

TEST_F(PosixFileSystemTest, ListsAFolderGivenWithoutAPath) {
    MakeLibraryFolder();
    const std::string before = std::filesystem::current_path();
    std::filesystem::current_path(P("lib"));
    const Names names = fs.List("S*.lkp", ListFilter::Files);
    std::filesystem::current_path(before);
    EXPECT_EQ(names, (Names{"Shop.lkp", "Shop.Old.lkp"}));
}

struct ExistsRow {
    const char* path;
    ListFilter filter;
    bool exists;
};

TEST_F(PosixFileSystemTest, ExistsTellsFilesAndFoldersApart) {
    MakeLibraryFolder();
    const auto files = ListFilter::Files;
    const auto all = ListFilter::FilesAndDirs;
    const ExistsRow rows[] = {
        {"lib/Shop.lkp", files, true},
        {"LIB/SHOP.LKP", files, true},
        {"lib/shop.lkp", all, true},
        {"lib/Data", files, false},
        {"lib/Data", all, true},
        {"lib/DATA/", all, true},
        {"lib", all, true},
        {"lib/missing.lkp", all, false},
        {"nope/Shop.lkp", all, false},
        {"lib/dangling.lkp", all, false},
        {"lib/link.lkp", files, true},
        {"lib/Shop.lkp/x", all, false},
        {"lib/.hidden.lkp", files, true},
    };
    for (const ExistsRow& row : rows) {
        EXPECT_EQ(fs.Exists(P(row.path), row.filter), row.exists) << row.path;
    }
    EXPECT_FALSE(fs.Exists("", ListFilter::FilesAndDirs));
}

TEST_F(PosixFileSystemTest, ResolvesEachMissingComponentWithoutRegardToCase) {
    WriteFile(P("Data/Tools/Mach1/Shop.lkp"), "shop");
    WriteFile(P("Case/Name.txt"), "exact");
    WriteFile(P("Case/NAME.TXT"), "upper");
    struct Row {
        const char* given;
        const char* resolved;
    };
    const Row rows[] = {
        {"Data/Tools/Mach1/Shop.lkp", "Data/Tools/Mach1/Shop.lkp"},
        {"DATA/tools/MACH1/shop.LKP", "Data/Tools/Mach1/Shop.lkp"},
        {"data//tools/mach1/", "Data/Tools/Mach1"},
        {"DATA/Nope/SHOP.lkp", "Data/Nope/SHOP.lkp"},  // the rest stays as given
        {"DATA/TOOLS/New.Lkp", "Data/Tools/New.Lkp"},  // a new file keeps its case
        {"Case/Name.txt", "Case/Name.txt"},            // the exact name wins
        {"Case/NAME.TXT", "Case/NAME.TXT"},
        {"case/name.txt", "Case/NAME.TXT"},  // else the first in listing order
        {"data/./TOOLS/../tools/mach1", "Data/./Tools/../Tools/Mach1"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fs.Resolve(P(row.given)), P(row.resolved)) << row.given;
    }
    EXPECT_EQ(fs.Resolve("/"), "/");
    EXPECT_EQ(fs.ReadAll(P("case/name.txt")), "upper");
    EXPECT_EQ(fs.ReadAll(P("Case/Name.txt")), "exact");
}

TEST_F(PosixFileSystemTest, WorksThroughADifferentlyCasedPath) {
    WriteFile(P("Data/Tools/Mach1/Shop.lkp"), "old");

    EXPECT_EQ(fs.ReadAll(P("DATA/TOOLS/MACH1/SHOP.LKP")), "old");
    EXPECT_EQ(fs.Length(P("data/tools/mach1/shop.lkp")), 3u);

    fs.Replace(P("DATA/tools/Mach1/SHOP.lkp"), "new bytes");
    EXPECT_EQ(ReadFile(P("Data/Tools/Mach1/Shop.lkp")), "new bytes");

    fs.Replace(P("data/TOOLS/mach1/Second.Lkp"), "second");
    EXPECT_EQ(RawEntries(P("Data/Tools/Mach1")), (Names{"Second.Lkp", "Shop.lkp"}));

    fs.MakeDir(P("DATA/TOOLS/Mach2"));
    fs.MakeDir(P("data/tools"));  // exists as "Data/Tools": nothing to do
    EXPECT_EQ(RawEntries(P("Data/Tools")), (Names{"Mach1", "Mach2"}));
    EXPECT_EQ(RawEntries(dir.path()), (Names{"Data"}));

    fs.Copy(P("DATA/Tools/mach1/shop.lkp"), P("data/tools/MACH2/Copy.lkp"));
    EXPECT_EQ(ReadFile(P("Data/Tools/Mach2/Copy.lkp")), "new bytes");

    fs.DeleteFile(P("DATA/TOOLS/MACH1/SECOND.LKP"));
    EXPECT_EQ(RawEntries(P("Data/Tools/Mach1")), (Names{"Shop.lkp"}));
}

TEST_F(PosixFileSystemTest, AMissingMiddleComponentFailsCleanly) {
    WriteFile(P("Data/Shop.lkp"), "shop");
    const std::string path = P("DATA/Nope/Shop.lkp");
    EXPECT_FALSE(fs.Exists(path, ListFilter::FilesAndDirs));
    EXPECT_EQ(fs.List(P("Data/Nope/*.*"), ListFilter::FilesAndDirs), Names{});
    try {
        fs.ReadAll(path);
        FAIL() << "read a missing file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(std::string(error.what()), "\"" + path + "\": No such file or directory");
    }
    EXPECT_THROW(fs.Replace(path, "x"), FileError);
    EXPECT_THROW(fs.MakeDir(P("data/Nope/Deeper")), FileError);
    EXPECT_THROW(fs.Length(path), FileError);
    EXPECT_THROW(fs.DeleteFile(path), FileError);
    EXPECT_EQ(RawEntries(P("Data")), (Names{"Shop.lkp"}));
}

TEST_F(PosixFileSystemTest, MakeDirCreatesOneLevel) {
    fs.MakeDir(P("One"));
    fs.MakeDir(P("One/Two/"));
    EXPECT_TRUE(DirExists(P("One/Two")));
    EXPECT_THROW(fs.MakeDir(P("A/B")), FileError);  // the parent must exist
    WriteFile(P("File"), "x");
    EXPECT_THROW(fs.MakeDir(P("file")), FileError);  // a file by that name is in the way
}

TEST_F(PosixFileSystemTest, CopiesExactBytes) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all.push_back(static_cast<char>(i));
    }
    all += "\r\n******\r\n";
    WriteFile(P("src.bin"), all);

    fs.Copy(P("src.bin"), P("new.bin"));
    EXPECT_EQ(ReadFile(P("new.bin")), all);

    WriteFile(P("longer.bin"), std::string(5000, 'x'));
    fs.Copy(P("src.bin"), P("longer.bin"));
    EXPECT_EQ(ReadFile(P("longer.bin")), all);  // no tail of the old bytes

    fs.Copy(P("src.bin"), P("SRC.BIN"));  // onto itself
    EXPECT_EQ(ReadFile(P("src.bin")), all);

    try {
        fs.Copy(P("missing.bin"), P("new.bin"));
        FAIL() << "copied a missing file";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), P("missing.bin"));
    }
    EXPECT_EQ(ReadFile(P("new.bin")), all);
    EXPECT_EQ(RawEntries(dir.path()), (Names{"longer.bin", "new.bin", "src.bin"}));
}

TEST_F(PosixFileSystemTest, DeleteFilesRemovesOnlyMatchingVisibleFiles) {
    MakeLibraryFolder();
    fs.DeleteFiles(P("LIB/shop.*"));
    EXPECT_EQ(RawEntries(P("lib")),
              (Names{".Shop.lkp.lock", ".hidden.lkp", "Data", "Shops", "Sub.lkp", "Tools.lkp",
                     "b.LKP", "dangling.lkp", "link.lkp", "notes"}));

    fs.DeleteFiles(P("lib/*.*"));
    EXPECT_EQ(RawEntries(P("lib")),
              (Names{".Shop.lkp.lock", ".hidden.lkp", "Data", "Sub.lkp", "dangling.lkp"}));
    EXPECT_TRUE(FileExists(P("lib/.Shop.lkp.lock")));

    fs.DeleteFiles(P("lib/*.*"));  // nothing left to match
    fs.DeleteFiles(P("missing/*.*"));
}

TEST_F(PosixFileSystemTest, DeleteFileRemovesOneFile) {
    WriteFile(P("a.lkp"), "a");
    std::filesystem::create_directory(P("Folder"));
    fs.DeleteFile(P("A.LKP"));
    EXPECT_FALSE(FileExists(P("a.lkp")));
    EXPECT_THROW(fs.DeleteFile(P("a.lkp")), FileError);
    EXPECT_THROW(fs.DeleteFile(P("Folder")), FileError);
    EXPECT_TRUE(DirExists(P("Folder")));
}

TEST_F(PosixFileSystemTest, LengthAndReadAllGiveTheFileAsStored) {
    std::string big;
    for (int i = 0; i < 200000; ++i) {
        big.push_back(static_cast<char>((i * 7) % 251));
    }
    WriteFile(P("big.tol"), big);
    WriteFile(P("empty.tol"), "");
    WriteFile(P("crlf.txt"), std::string("a\r\n\0b\r\n", 7));
    std::filesystem::create_directory(P("Folder"));

    EXPECT_EQ(fs.Length(P("big.tol")), 200000u);
    EXPECT_EQ(fs.ReadAll(P("BIG.TOL")), big);
    EXPECT_EQ(fs.Length(P("empty.tol")), 0u);
    EXPECT_EQ(fs.ReadAll(P("empty.tol")), "");
    EXPECT_EQ(fs.ReadAll(P("crlf.txt")), std::string("a\r\n\0b\r\n", 7));
    EXPECT_THROW(fs.Length(P("missing")), FileError);
    EXPECT_THROW(fs.Length(P("Folder")), FileError);
    EXPECT_THROW(fs.ReadAll(P("Folder")), FileError);
    EXPECT_THROW(fs.ReadAll(P("missing")), FileError);
}

TEST_F(PosixFileSystemTest, VolumeOfIsTheMountPointOfThePath) {
    EXPECT_EQ(fs.VolumeOf("/"), "/");
    EXPECT_EQ(fs.VolumeOf(""), "");
    EXPECT_EQ(fs.VolumeOf("relative/path"), "");
    EXPECT_EQ(fs.VolumeOf("/no/such/folder/anywhere"), "/");

    const std::string volume = fs.VolumeOf(P("file.txt"));
    ASSERT_FALSE(volume.empty());
    EXPECT_EQ(volume.back(), '/');
    EXPECT_EQ(P("file.txt").rfind(volume, 0), 0u) << volume << " is no prefix of " << P("");
    // The volume's root is on the volume; its parent (unless it is "/") is not.
    struct stat inside {};
    struct stat root {};
    ASSERT_EQ(::stat(dir.path().c_str(), &inside), 0);
    ASSERT_EQ(::stat(volume.c_str(), &root), 0);
    EXPECT_EQ(inside.st_dev, root.st_dev);
    if (volume != "/") {
        struct stat above {};
        ASSERT_EQ(::stat((volume + "..").c_str(), &above), 0);
        EXPECT_NE(above.st_dev, root.st_dev);
    }
    EXPECT_EQ(fs.VolumeOf(P("a/../b/c")), volume);
    EXPECT_EQ(fs.VolumeOf(dir.path()), volume);

    // /proc is a volume of its own wherever it is mounted.
    struct stat proc {};
    struct stat top {};
    if (::stat("/proc", &proc) == 0 && ::stat("/", &top) == 0 && proc.st_dev != top.st_dev) {
        EXPECT_EQ(fs.VolumeOf("/proc/self/status"), "/proc/");
        EXPECT_EQ(fs.VolumeOf("/PROC/SELF"), "/proc/");
    }
}

TEST_F(PosixFileSystemTest, VolumeReadyWhenItsRootCanBeListed) {
    EXPECT_TRUE(fs.VolumeReady("/"));
    EXPECT_TRUE(fs.VolumeReady(P("missing/file")));
    EXPECT_FALSE(fs.VolumeReady("relative"));
    EXPECT_FALSE(fs.VolumeReady(""));
}

}  // namespace
}  // namespace tooling::platform
