#include "tests/support/FixtureInstallation.h"

#include <filesystem>
#include <sstream>

#include "core/TextFile.h"

namespace tooling::test {

namespace {

// The lines of each machine's station-type file: number, name, kind, sizes, count.
using StnLines = std::vector<std::string>;
const StnLines kMetricTypes = {"1,\"A Station\",10,12.7,0,9",
                               "2,\"B Station\",10,31.75,0,6",
                               "3,\"C Station\",11,50.8,0,2",
                               "4,\"D Station\",12,88.9,0,2",
                               "5,\"B Auto Index\",20,31.75,0,1",
                               "6,\"C Auto Index\",21,50.8,0,1",
                               "7,\"Clamp\",5,0,0,2",
                               "8,\"Spare\",10,0,0,0",
                               "9,\"Multi-Tool Station 8 Fold\",22,114.3,0,1"};
const StnLines kRouterTypes = {"1,\"Router Spindle\",40,0,0,1"};
const StnLines kImperialTypes = {"1,\"A Station\",10,0.5,0,10", "2,\"B Station\",10,1.25,0,6",
                                 "3,\"C Station\",11,2,0,2", "4,\"B Index\",20,1.25,0,2"};

struct MachineFiles {
    const char* name;
    const char* folder;
    const char* settings;
    const char* library;
    int kind;
    int stations;
    bool imperial;
    bool toolSettings;
    const StnLines& types;
};

const MachineFiles kMachines[] = {
    {"Kessler TP-20 Metric", "Metric", "KesSet", "Shop", 20, 24, false, true, kMetricTypes},
    {"Falcon Router R-4", "Router", "FalSet", "Routing", 40, 0, false, false, kRouterTypes},
    {"Kessler TP-20 Imperial", "Imperial", "KesSet", "Shop", 30, 20, true, true, kImperialTypes}};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// "Label" padded to the value column, then ": value".
std::string Setting(std::string_view label, const std::string& value) {
    return std::string(label) + std::string(29 - label.size(), ' ') + ": " + value;
}

std::string MchFile(const MachineFiles& m) {
    const std::string len = m.imperial ? "2" : "50.8";
    std::vector<std::string> lines = {m.name, Setting("Machine Type", std::to_string(m.kind)),
                                      Setting("Number Of Stations", std::to_string(m.stations))};
    // Lines 4 to 27, label and value; "L" stands for a length in the machine's units.
    std::istringstream rest(
        "Auto Index Stations:2,X Travel:L,Y Travel:L,X Offset:0,Y Offset:0,Clamp Position 1:L,"
        "Clamp Position 2:L,Clamp Dead Zone X:L,Clamp Dead Zone Y:L,Reposition Length:L,"
        "Movable Clamps:YES,Sheet X Maximum:L,Sheet Y Maximum:L,Sheet Thickness Maximum:6,"
        "Safe Zone X:L,Safe Zone Y:L,Safe Zone Z:0,Number Of Zone Pairs:2,Zone Margin X:1,"
        "Zone Margin Y:1,Zone 1 X:L,Zone 1 Y:L,Zone 2 X:L,Zone 2 Y:L");
    for (std::string item; std::getline(rest, item, ',');) {
        const std::string value = item.substr(item.find(':') + 1);
        lines.push_back(Setting(item.substr(0, item.find(':')), value == "L" ? len : value));
    }
    return FixtureInstallation::TextFile(lines);
}

// The turret-station file: one station per counted type, in type order, labelled "T<station>".
std::string TrtFile(const MachineFiles& m) {
    std::vector<std::string> trt;
    for (const std::string& type : m.types) {
        const int count = std::stoi(type.substr(type.rfind(',') + 1));
        for (int i = 0; i < count && std::ssize(trt) < m.stations; ++i) {
            const std::string station = std::to_string(trt.size() + 1);
            trt.push_back(station + ",0," + std::to_string(std::stoi(type)) + "," +
                          Quoted("T" + station) + "," + Quoted(""));
        }
    }
    return FixtureInstallation::TextFile(trt);
}

}  // namespace

FixtureInstallation::FixtureInstallation(int machineNo) {
    Build(machineNo);
}

FixtureInstallation::FixtureInstallation(int machineNo, std::string root) : dir_(std::move(root)) {
    Build(machineNo);
}

void FixtureInstallation::Build(int machineNo) {
    // A throw-away installation need not survive a power cut: skipping the flush to disk keeps
    // each start well under a second.
    services_.fs = UnflushedFileSystem();
    WriteConfig(" " + std::to_string(machineNo) + " ");
    std::vector<std::string> list;
    for (const MachineFiles& m : kMachines) {
        list.push_back(std::to_string(list.size() + 1) + "," + Quoted(m.name) + "," +
                       Quoted(m.folder) + "," + Quoted(m.settings) + "," + Quoted(""));
        const std::string prefix = std::string("Data/Data/") + m.folder + ".";
        Write(prefix + "msr",
              TextFile({Setting("Measurement System", m.imperial ? "IMPERIAL" : "METRIC")}));
        Write(prefix + "mch", MchFile(m));
        Write(prefix + "prm", TextFile({Setting("Tool Settings", m.toolSettings ? "YES" : "NO")}));
        Write(prefix + "stn", TextFile(m.types));
        if (m.kind < 40) {
            Write(prefix + "trt", TrtFile(m));
        }
        Write(prefix + "cms", TextFile({Setting("Cost Per Hit", "0")}));
        Write(std::string("Data/Material/") + m.folder + "/Default.mtl",
              TextFile({"Default Material", Setting("Material Number", "1"),
                        Setting("Thickness", "1.5"), Setting("Tensile Strength", "400"),
                        Setting("Density", "7.85"), Setting("Description", "Mild Steel"),
                        Setting("Tool Library", m.library)}));
    }
    Write("Program/Machine.lst", TextFile(list));
    Write("Program/Varnholt.exe", "drawing program stand-in\n");
    Write("Program/Pellarin.exe", "part-program generator stand-in\n");
    std::filesystem::create_directories(PathOf(Path("Users")));
    Restart();
}

std::string FixtureInstallation::Config(std::string_view line4, std::string_view line5) const {
    return TextFile({ProgramDir(), DataDir(), UserRoot(), std::string(line4), std::string(line5)});
}

void FixtureInstallation::AddReverseProgram() {
    Write("Program/Dostrel.exe", "reverse-subroutine program stand-in\n");
    Write("Program/Reverse.lst", TextFile({"1,\"Reverse 1\""}));
}

core::Session& FixtureInstallation::Restart() {
    session_ = std::make_unique<core::Session>(services_.services);
    session_->inst.StartDir = ProgramDir();
    return *session_;
}

std::string FixtureInstallation::TextFile(const std::vector<std::string>& lines) {
    return core::TextFileBytes(lines);
}

}  // namespace tooling::test
