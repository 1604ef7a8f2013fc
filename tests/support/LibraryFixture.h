#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/Session.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"

namespace tooling::test {

// An empty index, and the empty turret of the fixture's three stations.
inline const std::string kIndex = "******\r\n";
inline const std::string kEmptyTurret =
    "1, , , 0, 0, 0, 0, , 0\r\n2, , , 0, 0, 0, 0, , 0\r\n3, , , 0, 0, 0, 0, , 0\r\n******\r\n";

// A metric turret machine "M1" with 3 stations in a temporary data folder, the suite's siblings
// present, its tool and turret folders made and empty.
class LibraryFixture {
  public:
    LibraryFixture() : session(services) {
        session.inst.DataDir = dir.path() + Native("Data/");
        session.inst.SiblingsPresent = true;
        session.machine.MachineFolder = "M1";
        session.machine.MaterialDir = session.inst.DataDir + Native("Material/M1/");
        session.machine.TurretMachine = true;
        session.machine.StationCount = 3;
        std::filesystem::create_directories(PathOf(ToolPath("")));
        std::filesystem::create_directories(PathOf(TurretPath("")));
    }

    std::string ToolPath(const std::string& name) const {
        return session.inst.DataDir + Native("Tools/M1/") + name;
    }
    std::string TurretPath(const std::string& name) const {
        return session.inst.DataDir + Native("Turrets/M1/") + name;
    }

    // Files of a library by extension, each holding "tool <its name>" or "turret <its name>".
    void MakeLibrary(const std::string& name, const std::vector<std::string>& toolExts,
                     const std::vector<std::string>& turretExts) {
        for (const std::string& ext : toolExts) {
            WriteFile(ToolPath(name + "." + ext), "tool " + name + "." + ext);
        }
        for (const std::string& ext : turretExts) {
            WriteFile(TurretPath(name + "." + ext), "turret " + name + "." + ext);
        }
    }

    // The file names of the tool folder, " | ", those of the turret folder.
    std::string Listing() const {
        std::string listing;
        for (const std::string& folder : {ToolPath(""), TurretPath("")}) {
            std::set<std::string> names;  // sorted by bytes
            for (const auto& entry : std::filesystem::directory_iterator(PathOf(folder))) {
                names.insert(BytesOf(entry.path().filename()));
            }
            std::string joined;
            for (const std::string& name : names) {
                joined += (joined.empty() ? "" : " ") + name;
            }
            listing += (folder == ToolPath("") ? "" : " | ") + joined;
        }
        return listing;
    }

    // A material file naming a library on line 7.
    void WriteMaterial(const std::string& material, const std::string& library) {
        WriteFile(session.machine.MaterialDir + material + ".mtl",
                  "Material\r\nThickness: 1\r\n0\r\n0\r\n0\r\nSteel\r\nLibrary: " + library +
                      "\r\n******\r\n");
    }

    TempDir dir;
    FaultyFileSystem fs;
    TestServices fakes;  // its file system is not used
    FakeUi& ui = fakes.ui;
    platform::Services services{fs, fakes.ui, fakes.printer, fakes.process};
    core::Session session;
};

}  // namespace tooling::test
