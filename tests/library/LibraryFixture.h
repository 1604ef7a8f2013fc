#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/Session.h"
#include "platform/FileError.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/FakeUi.h"
#include "tests/support/RecordingPage.h"
#include "tests/support/TempDir.h"

namespace tooling::test {

// The real file system, with faults to order: every delete, copy or replace of a path that
// contains `failOn` fails, and `onList` runs at each listing.
class FaultyFileSystem : public platform::PosixFileSystem {
  public:
    void DeleteFile(std::string_view path) override {
        Check(path, "Permission denied");
        PosixFileSystem::DeleteFile(path);
    }
    void Copy(std::string_view from, std::string_view to) override {
        Check(to, "No space left on device");
        PosixFileSystem::Copy(from, to);
    }
    void Replace(std::string_view path, std::string_view bytes) override {
        Check(path, "Read-only file system");
        PosixFileSystem::Replace(path, bytes);
    }
    std::vector<std::string> List(std::string_view pattern,
                                  platform::ListFilter filter) const override {
        if (onList) {
            onList();
        }
        return PosixFileSystem::List(pattern, filter);
    }

    std::string failOn;
    std::function<void()> onList;

  private:
    void Check(std::string_view path, const char* what) const {
        if (!failOn.empty() && path.find(failOn) != std::string_view::npos) {
            throw platform::FileError(std::string(path), what);
        }
    }
};

// A metric turret machine "M1" with 3 stations in a temporary data folder, the suite's siblings
// present, its tool and turret folders made and empty.
class LibraryFixture {
  public:
    LibraryFixture() : session(services) {
        session.inst.ProgramDir = dir.path() + "Program/";
        session.inst.DataDir = dir.path() + "Data/";
        session.inst.SiblingsPresent = true;
        session.machine.MachineName = "Test Press";
        session.machine.MachineFolder = "M1";
        session.machine.MaterialDir = session.inst.DataDir + "Material/M1/";
        session.machine.MachineType = 20;
        session.machine.TurretMachine = true;
        session.machine.StationCount = 3;
        std::filesystem::create_directories(ToolPath(""));
        std::filesystem::create_directories(TurretPath(""));
        std::filesystem::create_directories(session.machine.MaterialDir);
    }

    std::string ToolPath(const std::string& name) const {
        return session.inst.DataDir + "Tools/M1/" + name;
    }
    std::string TurretPath(const std::string& name) const {
        return session.inst.DataDir + "Turrets/M1/" + name;
    }

    // The file names of a folder, sorted by bytes.
    static std::vector<std::string> FolderNames(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> ToolNames() const { return FolderNames(ToolPath("")); }
    std::vector<std::string> TurretNames() const { return FolderNames(TurretPath("")); }

    // A material file naming a library on line 7.
    void WriteMaterial(const std::string& material, const std::string& library) {
        WriteFile(session.machine.MaterialDir + material + ".mtl",
                  "Material\r\nThickness: 1\r\n0\r\n0\r\n0\r\nSteel\r\nLibrary: " + library +
                      "\r\n******\r\n");
    }

    TempDir dir;
    FaultyFileSystem fs;
    FakeUi ui;
    RecordingPage printer;
    FakeProcess process;
    platform::Services services{fs, ui, printer, process};
    core::Session session;
};

}  // namespace tooling::test
