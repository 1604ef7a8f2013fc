#pragma once

#include <algorithm>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Session.h"
#include "core/Stations.h"
#include "core/TextFile.h"
#include "library/DefaultTools.h"
#include "library/LibraryFiles.h"
#include "library/ToolRec.h"
#include "tests/support/GoldenText.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"
#include "tests/support/ToolRows.h"
#include "turrets/TrtTol.h"
#include "turrets/TurretEditor.h"

namespace tooling::test {

// A metric turret machine "M1" of five stations in a temporary data folder, read from its own
// station files, with the library "Shop" set up (an empty turret index and the empty turret):
//
//   station  label  type                 kind
//   1        T1     1 "A Station"        10
//   2        T2     2 "B Station"        11
//   3        T3     3 "B Index"          20   (an index station)
//   4        T4     1 "A Station"        10
//   5        T5     4 "C Station"        12
// The native file system listing a turret file of library "Shop" for every number from 1 to
// 32,767 besides the files there are.
class FullTurretFolder : public NativeFileSystem {
  public:
    std::vector<std::string> List(std::string_view pattern,
                                  platform::ListFilter filter) const override {
        std::vector<std::string> names = NativeFileSystem::List(pattern, filter);
        if (pattern.ends_with("Shop.*")) {
            for (int n = 1; n <= 32767; ++n) {
                names.push_back("Shop." + std::to_string(n));
            }
        }
        return names;
    }
};

class TurretFixture {
  public:
    TurretFixture() : session(services.services) {
        const std::string prefix = MachinePrefix(dir.path());
        WriteFile(
            prefix + "stn",
            core::TextFileBytes({"1,\"A Station\",10,12.7,0,2", "2,\"B Station\",11,31.75,0,1",
                                 "3,\"B Index\",20,31.75,0,1", "4,\"C Station\",12,50.8,0,1"}));
        WriteFile(prefix + "trt", core::TextFileBytes({"1,0,1,\"T1\",\"\"", "2,0,2,\"T2\",\"\"",
                                                       "3,0,3,\"T3\",\"\"", "4,0,1,\"T4\",\"\"",
                                                       "5,0,4,\"T5\",\"\""}));
        Open(session, dir.path());
        WriteFile(library::ToolFolder(session) + "Shop.lkp", core::TextFileBytes({}));
        std::filesystem::create_directories(PathOf(library::TurretFolder(session)));
        library::CreateLibraryFiles(session, "Shop");
    }

    // Sets up a session on the fixture's folder `root`, as another instance of the program
    // would: it reads the station files and writes nothing.
    static void Open(core::Session& session, const std::string& root) {
        core::Machine& m = session.machine;
        session.inst.DataDir = root + Native("Data/");
        session.inst.ProgramDir = root + Native("Program/");
        m.MachineFolder = "M1";
        m.MachineDataPrefix = MachinePrefix(root);
        m.TurretMachine = true;
        m.StationCount = 5;
        core::ReadStations(session);
        session.lib.LibraryName = "Shop";
        library::SetLibraryPrefixes(session);
    }

    // A file of the library's turrets: "lkp", "0", "1" ...
    std::string Turret(const std::string& ext) const { return session.lib.TurretLibPrefix + ext; }
    void WriteTurret(const std::string& ext, const std::string& bytes) {
        WriteFile(Turret(ext), bytes);
    }
    std::string ReadTurret(const std::string& ext) const { return ReadFile(Turret(ext)); }

    // Writes the shape's tool file with these records, in this order.
    void WriteTools(char shape, const std::vector<library::ToolRec>& recs) {
        WriteFile(session.lib.ToolLibPrefix + shape, ToolFileBytes(recs));
    }
    // Writes the tool files of the library from the data file golden/tools/<name>.txt.
    void WriteToolRows(const std::string& name) {
        test::WriteToolRows(session.lib.ToolLibPrefix, name);
    }

    // The station rows of the data file golden/rows/<name>.txt.
    static std::vector<library::StationRow> StationRows(const std::string& name) {
        std::vector<library::StationRow> rows;
        for (const DataRow& row :
             ReadDataRows(std::string(TOOLING_GOLDEN_DIR) + "/rows/" + name + ".txt")) {
            const std::vector<std::string>& f = row.fields;
            const std::vector<double> dims = NumbersOf(f.at(3));
            rows.push_back({static_cast<std::int16_t>(NumberOf(f.at(0))),
                            f.at(1),
                            f.at(2),
                            {dims.at(0), dims.at(1), dims.at(2), dims.at(3)},
                            f.at(4),
                            static_cast<std::int16_t>(NumberOf(f.at(5)))});
        }
        return rows;
    }

    // The library's turret files that changed since the last call, as transcript lines: each new
    // or changed file with its bytes, each removed one by name.
    std::string ChangedFiles() {
        std::map<std::string, std::string> now;
        for (const std::string& name :
             session.os.fs.List(Turret("*"), platform::ListFilter::Files)) {
            now[name] = ReadFile(library::TurretFolder(session) + name);
        }
        std::string text;
        for (const auto& [name, bytes] : now) {
            if (!files_.contains(name) || files_[name] != bytes) {
                text += name + ":\n" + ShownBytes(bytes);
            }
        }
        for (const auto& [name, bytes] : files_) {
            text += now.contains(name) ? "" : name + " removed\n";
        }
        files_ = std::move(now);
        return text;
    }
    // What the user was shown since the last call, as transcript lines, the library's turret
    // folder written "<turrets>".
    std::string Shown() {
        std::string text;
        for (const std::string& event : ui.events) {
            text += "shown " + Replaced(event, library::TurretFolder(session), "<turrets>/") + "\n";
        }
        ui.events.clear();
        return text;
    }
    // The names of the flags that are set, each followed by ", ".
    static std::string Flags(std::initializer_list<std::pair<bool, const char*>> flags) {
        std::string text;
        for (const auto& [set, name] : flags) {
            text += set ? std::string(name) + ", " : "";
        }
        return text;
    }
    // The editor's lines, the five columns of each joined by "|".
    static std::string EditorLines(const turrets::TurretEditor& editor) {
        std::string lines;
        for (std::size_t r = 0; r < editor.rows().size(); ++r) {
            for (std::size_t c = 0; c < 5; ++c) {
                lines += (c == 0 ? "" : "|") + editor.columns[c][r];
            }
            lines += "\n";
        }
        return lines;
    }
    // A list of the Tooling or the default tool dialog as "[line,line*]", "*" after the selected
    // line, "~" before a disabled list, "-" for a hidden one.
    static std::string ListText(const turrets::TrtTol::Combo& combo) {
        if (!combo.visible) {
            return "-";
        }
        std::string text = combo.enabled ? "[" : "~[";
        for (std::size_t i = 0; i < combo.lines.size(); ++i) {
            text += (i == 0 ? "" : ",") + combo.lines[i] +
                    (static_cast<int>(i) == combo.selected ? "*" : "");
        }
        return text + "]";
    }
    // Chooses lines of the Tooling dialog's shape, size and station lists and angle list (-1:
    // left alone), each followed by its click, and presses Ok.
    static void ChooseTool(turrets::TrtTol& dialog, int shape, int size, int station, int angle) {
        for (const auto& [list, line, click] :
             {std::tuple(&dialog.shapeList, shape, &turrets::TrtTol::ShapeList_Click),
              {&dialog.sizeList, size, &turrets::TrtTol::SizeList_Click},
              {&dialog.stnList, station, &turrets::TrtTol::StnList_Click}}) {
            if (line >= 0) {
                list->selected = line;
                (dialog.*click)();
            }
        }
        if (angle >= 0) {
            dialog.angList.selected = angle;
        }
        dialog.InptOk_Click();
    }
    // The four defaults in memory, then those of the defaults file, each as "record shape
    // station-type/kind angle".
    std::string DefaultsText() const {
        const auto text = [](const library::DefaultSet& defaults) {
            std::string line;
            for (const core::DefaultToolRec& rec : defaults) {
                line += " " + std::to_string(rec.recordNo) + rec.shape + " " +
                        std::to_string(rec.stnType) + "/" + std::to_string(rec.stnKind) + " " +
                        std::to_string(static_cast<int>(rec.angle));
            }
            return line;
        };
        const std::string dft = session.lib.ToolLibPrefix + "dft";
        return "defaults" + text(session.lib.DefaultTools) + "; file" +
               (FileExists(dft) ? text(library::DecodeDefaults(ReadFile(dft))) : " none") + "\n";
    }

    static std::string MachinePrefix(const std::string& root) {
        return root + Native("Data/Data/M1.");
    }

    TempDir dir;
    TestServices services;
    FakeUi& ui = services.ui;
    core::Session session;

  private:
    std::map<std::string, std::string> files_;
};

}  // namespace tooling::test
