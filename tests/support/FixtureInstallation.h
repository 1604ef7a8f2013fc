#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Session.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"

namespace tooling::test {

// A complete small suite installation in a temporary folder, removed at the end:
//
//   Program/   Ostrevan.cfg (absolute roots, machine number, work folder "Ostrevan"),
//              Machine.lst, the stand-ins Varnholt.exe and Pellarin.exe
//   Data/Data/ <folder>.msr .mch .prm .stn .trt .cms for each machine below
//   Data/Material/<folder>/Default.mtl   naming the machine's default library (line 7)
//   Users/     empty
//
// Machines of Machine.lst:
//   1 "Kessler TP-20 Metric"    folder "Metric"    turret (kind 20), metric, 24 stations,
//                                                  tool settings on; station types 1..9 with
//                                                  kinds 10, 11, 12, 20, 21, 5 (type 7), 22, a
//                                                  count 0 (type 8) and a name longer than 18
//                                                  characters (type 9); library "Shop"
//   2 "Falcon Router R-4"       folder "Router"    router (kind 40), no trt; library "Routing"
//   3 "Kessler TP-20 Imperial"  folder "Imperial"  turret (kind 30), imperial (lengths in
//                                                  inches), 20 stations; library "Shop"
//
// Nothing is read or written by the program until a test runs it: change any file first with
// the knobs below, then call core::StartUp (or library::StartSession) on session().
class FixtureInstallation {
  public:
    static constexpr int kMetric = 1;
    static constexpr int kRouter = 2;
    static constexpr int kImperial = 3;

    // In `root` (a folder that must not exist yet) when given, else in a temporary folder.
    explicit FixtureInstallation(int machineNo = kMetric, std::string root = {});
    FixtureInstallation(const FixtureInstallation&) = delete;
    FixtureInstallation& operator=(const FixtureInstallation&) = delete;

    // Absolute paths, each ending in the native separator.
    const std::string& Root() const { return dir_.path(); }
    std::string ProgramDir() const { return Path("Program/"); }
    std::string DataDir() const { return Path("Data/"); }
    std::string UserRoot() const { return Path("Users/"); }

    // The absolute path of a path relative to Root(), written with "/".
    std::string Path(std::string_view relative) const { return Root() + Native(relative); }

    // Knobs. Paths are relative to Root(); folders are created as needed.
    void Write(std::string_view relative, std::string_view bytes) {
        WriteFile(Path(relative), bytes);
    }
    // The files of a cases file, each as "== <path>" and "-- bytes".
    void WriteFiles(const std::string& cases);
    // A file, or a folder with its content.
    void Remove(std::string_view relative) { std::filesystem::remove_all(PathOf(Path(relative))); }
    bool Exists(std::string_view relative) const {
        return std::filesystem::exists(PathOf(Path(relative)));
    }
    std::string Read(std::string_view relative) const { return ReadFile(Path(relative)); }

    // The bytes of Ostrevan.cfg with the fixture's roots and these lines 4 and 5; WriteConfig
    // writes them.
    std::string Config(std::string_view line4, std::string_view line5 = "Ostrevan") const;
    void WriteConfig(std::string_view line4, std::string_view line5 = "Ostrevan") {
        Write("Program/Ostrevan.cfg", Config(line4, line5));
    }
    // Adds the reverse-subroutine stand-in "Dostrel.exe" and its "Reverse.lst".
    void AddReverseProgram();

    // The platform (real files, fake user interface, printer and processes) and a fresh
    // session on it whose start folder is ProgramDir(). Its file system skips the flush to
    // disk (fsync) of replaced files; nothing else differs from the real one.
    FakeUi& ui() { return services_.ui; }
    core::Session& session() { return *session_; }
    // Replaces session() by a fresh one, as for the next run of the program.
    core::Session& Restart();

  private:
    TempDir dir_;
    TestServices services_;
    std::unique_ptr<core::Session> session_;
};

}  // namespace tooling::test
