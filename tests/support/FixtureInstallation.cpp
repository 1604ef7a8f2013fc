#include "tests/support/FixtureInstallation.h"

#include <filesystem>

#include "core/TextFile.h"

namespace tooling::test {

namespace {

// One station type of a fixture machine: number, name, kind, sizes, count.
struct StnRow {
    int number;
    const char* name;
    int kind;
    const char* size1;
    const char* size2;
    int count;
};

struct MachineFiles {
    int number;
    const char* name;
    const char* folder;
    const char* settings;
    bool imperial;
    int kind;
    int stations;
    bool toolSettings;
    const char* library;
    std::vector<StnRow> types;
};

const std::vector<MachineFiles>& Machines() {
    static const std::vector<MachineFiles> machines = {
        {1,
         "Kessler TP-20 Metric",
         "Metric",
         "KesSet",
         false,
         20,
         24,
         true,
         "Shop",
         {{1, "A Station", 10, "12.7", "0", 9},
          {2, "B Station", 10, "31.75", "0", 6},
          {3, "C Station", 11, "50.8", "0", 2},
          {4, "D Station", 12, "88.9", "0", 2},
          {5, "B Auto Index", 20, "31.75", "0", 1},
          {6, "C Auto Index", 21, "50.8", "0", 1},
          {7, "Clamp", 5, "0", "0", 2},
          {8, "Spare", 10, "0", "0", 0},
          {9, "Multi-Tool Station 8 Fold", 22, "114.3", "0", 1}}},
        {2,
         "Falcon Router R-4",
         "Router",
         "FalSet",
         false,
         40,
         0,
         false,
         "Routing",
         {{1, "Router Spindle", 40, "0", "0", 1}}},
        {3,
         "Kessler TP-20 Imperial",
         "Imperial",
         "KesSet",
         true,
         30,
         20,
         true,
         "Shop",
         {{1, "A Station", 10, "0.5", "0", 10},
          {2, "B Station", 10, "1.25", "0", 6},
          {3, "C Station", 11, "2", "0", 2},
          {4, "B Index", 20, "1.25", "0", 2}}},
    };
    return machines;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string MachineList() {
    std::vector<std::string> lines;
    for (const MachineFiles& m : Machines()) {
        lines.push_back(std::to_string(m.number) + "," + Quoted(m.name) + "," + Quoted(m.folder) +
                        "," + Quoted(m.settings) + "," + Quoted(""));
    }
    return FixtureInstallation::TextFile(lines);
}

std::string MchFile(const MachineFiles& m) {
    const std::string len = m.imperial ? "2" : "50.8";
    return FixtureInstallation::TextFile({
        m.name,
        "Machine Type                 : " + std::to_string(m.kind),
        "Number Of Stations           : " + std::to_string(m.stations),
        "Auto Index Stations          : 2",
        "X Travel                     : " + len,
        "Y Travel                     : " + len,
        "X Offset                     : 0",
        "Y Offset                     : 0",
        "Clamp Position 1             : " + len,
        "Clamp Position 2             : " + len,
        "Clamp Dead Zone X            : " + len,
        "Clamp Dead Zone Y            : " + len,
        "Reposition Length            : " + len,
        "Movable Clamps               : YES",
        "Sheet X Maximum              : " + len,
        "Sheet Y Maximum              : " + len,
        "Sheet Thickness Maximum      : 6",
        "Safe Zone X                  : " + len,
        "Safe Zone Y                  : " + len,
        "Safe Zone Z                  : 0",
        "Number Of Zone Pairs         : 2",
        "Zone Margin X                : 1",
        "Zone Margin Y                : 1",
        "Zone 1 X                     : " + len,
        "Zone 1 Y                     : " + len,
        "Zone 2 X                     : " + len,
        "Zone 2 Y                     : " + len,
    });
}

std::string StnFile(const MachineFiles& m) {
    std::vector<std::string> lines;
    for (const StnRow& t : m.types) {
        lines.push_back(std::to_string(t.number) + "," + Quoted(t.name) + "," +
                        std::to_string(t.kind) + "," + t.size1 + "," + t.size2 + "," +
                        std::to_string(t.count));
    }
    return FixtureInstallation::TextFile(lines);
}

// One station per counted type, in type order: station, 0, type, "label", "".
std::string TrtFile(const MachineFiles& m) {
    std::vector<std::string> lines;
    int station = 0;
    for (const StnRow& t : m.types) {
        for (int i = 0; i < t.count && station < m.stations; ++i) {
            ++station;
            lines.push_back(std::to_string(station) + ",0," + std::to_string(t.number) + "," +
                            Quoted("T" + std::to_string(station)) + "," + Quoted(""));
        }
    }
    return FixtureInstallation::TextFile(lines);
}

std::string MaterialFile(std::string_view library) {
    return FixtureInstallation::TextFile({
        "Default Material",
        "Material Number              : 1",
        "Thickness                    : 1.5",
        "Tensile Strength             : 400",
        "Density                      : 7.85",
        "Description                  : Mild Steel",
        "Tool Library                 : " + std::string(library),
    });
}

}  // namespace

FixtureInstallation::FixtureInstallation(int machineNo)
    : services_(std::make_unique<TestServices>()) {
    // A throw-away installation need not survive a power cut: skipping the flush to disk keeps
    // each start well under a second. Everything else of the file system is the real one.
    platform::PosixCalls calls;
    calls.fsync = [](int) { return 0; };
    services_->fs = platform::PosixFileSystem(std::move(calls));
    WriteConfig(machineNo);
    Write("Program/Machine.lst", MachineList());
    Write("Program/Varnholt.exe", "drawing program stand-in\n");
    Write("Program/Pellarin.exe", "part-program generator stand-in\n");
    for (const MachineFiles& m : Machines()) {
        const std::string prefix = std::string("Data/Data/") + m.folder + ".";
        Write(prefix + "msr", TextFile({std::string("Measurement System           : ") +
                                        (m.imperial ? "IMPERIAL" : "METRIC")}));
        Write(prefix + "mch", MchFile(m));
        Write(prefix + "prm", TextFile({std::string("Tool Settings                : ") +
                                        (m.toolSettings ? "YES" : "NO")}));
        Write(prefix + "stn", StnFile(m));
        if (m.kind >= 10 && m.kind < 40) {
            Write(prefix + "trt", TrtFile(m));
        }
        Write(prefix + "cms", TextFile({"Cost Per Hit                 : 0"}));
        WriteMaterial(m.folder, "Default", m.library);
    }
    std::filesystem::create_directories(Path("Users"));
    Restart();
}

FixtureInstallation::~FixtureInstallation() = default;

std::string FixtureInstallation::Path(std::string_view relative) const {
    return Root() + std::string(relative);
}

void FixtureInstallation::Write(std::string_view relative, std::string_view bytes) {
    WriteFile(Path(relative), bytes);
}

void FixtureInstallation::Remove(std::string_view relative) {
    std::filesystem::remove_all(Path(relative));
}

bool FixtureInstallation::Exists(std::string_view relative) const {
    return std::filesystem::exists(Path(relative));
}

std::string FixtureInstallation::Read(std::string_view relative) const {
    return ReadFile(Path(relative));
}

void FixtureInstallation::WriteConfig(int machineNo, std::string_view userDirName) {
    Write("Program/Ostrevan.cfg",
          TextFile({ProgramDir(), DataDir(), UserRoot(), " " + std::to_string(machineNo) + " ",
                    std::string(userDirName)}));
}

void FixtureInstallation::DropSibling(std::string_view program) {
    Remove("Program/" + std::string(program));
}

void FixtureInstallation::AddReverseProgram() {
    Write("Program/Dostrel.exe", "reverse-subroutine program stand-in\n");
    Write("Program/Reverse.lst", TextFile({"1,\"Reverse 1\""}));
}

void FixtureInstallation::WriteMaterial(std::string_view folder, std::string_view material,
                                        std::string_view library) {
    Write("Data/Material/" + std::string(folder) + "/" + std::string(material) + ".mtl",
          MaterialFile(library));
}

core::Session& FixtureInstallation::Restart() {
    session_ = std::make_unique<core::Session>(services_->services);
    session_->inst.StartDir = ProgramDir();
    return *session_;
}

std::string FixtureInstallation::TextFile(const std::vector<std::string>& lines) {
    return core::TextFileBytes(lines);
}

}  // namespace tooling::test
