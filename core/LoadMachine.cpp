#include "core/LoadMachine.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/DriveReady.h"
#include "core/FieldReader.h"
#include "core/FileSteps.h"
#include "core/FileValues.h"
#include "core/Session.h"
#include "core/Stations.h"
#include "core/SuiteConfig.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "platform/FileError.h"

namespace tooling::core {

namespace {

using platform::FileError;
using platform::ListFilter;

constexpr std::size_t kMchLines = 23;
constexpr int kMaxPairs = 4;

bool HasSeparator(std::string_view name) {
    return std::ranges::any_of(name, platform::IsSeparator);
}

// Step 2: the record of the machine in "Machine.lst".
void FindMachine(Session& session, std::int16_t machineNo) {
    Machine& m = session.machine;
    const std::string path = session.inst.ProgramDir + "Machine.lst";
    FieldReader in(ReadRequired(session.os.fs, path), path);
    bool found = false;
    for (std::string number = Trim(in.Next()); !number.empty() && number != kEndMark && !in.AtEnd();
         number = Trim(in.Next())) {
        const double value = std::trunc(numeric::LeadingNumber(number));
        if (!(value >= 1)) {
            break;
        }
        std::string name = in.NextInRecord();
        std::string folder = in.NextInRecord();
        std::string settings = in.NextInRecord();
        in.NextInRecord();
        if (value == machineNo) {
            m.MachineName = Trim(name);
            m.MachineFolder = Trim(folder);
            m.SettingsProgName = Trim(settings);
            found = true;
            break;
        }
    }
    // Without its record the machine's folder name would be empty and the steps below would
    // write into the suite's shared folders before the machine files turn out missing.
    const std::string machine = "machine " + std::to_string(machineNo);
    if (!found) {
        throw FileError(path, machine + " is not in the list");
    }
    if (m.MachineFolder.empty() || HasSeparator(m.MachineFolder) || m.MachineFolder == "." ||
        m.MachineFolder == "..") {
        throw FileError(path, machine + ": \"" + m.MachineFolder + "\" is not a folder name");
    }
}

// Step 4: the machine's user folder, and the work folder name with its fall-backs.
std::string MakeUserFolders(Session& session, std::string userDirName) {
    platform::FileSystem& fs = session.os.fs;
    const std::string userMachine = session.inst.UserRoot + session.machine.MachineFolder;
    const std::string inside = WithSeparator(userMachine);
    if (!fs.Exists(userMachine, ListFilter::FilesAndDirs)) {
        MakeDirIfMissing(fs, userMachine);
        MakeDirIfMissing(fs, inside + "Ostrevan");
    } else if (fs.List(inside + "*.*", ListFilter::FilesAndDirs).empty()) {
        MakeDirIfMissing(fs, inside + "Ostrevan");
    }
    if (userDirName.empty() || fs.Exists(inside + userDirName, ListFilter::FilesAndDirs)) {
        return userDirName;
    }
    for (const char* fallBack : {"Ostrevan", "Ostrevan Directory"}) {
        if (fs.Exists(inside + fallBack, ListFilter::FilesAndDirs)) {
            return fallBack;
        }
    }
    const std::vector<std::string> entries = fs.List(inside + "*.*", ListFilter::FilesAndDirs);
    return entries.empty() ? std::string() : entries.front();
}

// Step 5: the export settings.
void MakeExportSettings(Session& session) {
    platform::FileSystem& fs = session.os.fs;
    const std::string xpt = session.machine.MachineDataPrefix + "xpt";
    if (fs.Exists(xpt, ListFilter::Files)) {
        return;
    }
    const std::string exportCfg = session.inst.ProgramDir + "Export.cfg";
    if (fs.Exists(exportCfg, ListFilter::Files)) {
        fs.Replace(xpt, fs.ReadAll(exportCfg));
    } else {
        WriteTextFile(fs, xpt, {"0", "prg", "3", "2", session.inst.ProgramDrive});
    }
}

// The first line of a required machine file.
std::string FirstLine(const platform::FileSystem& fs, const std::string& path) {
    const std::vector<std::string> lines = RequiredLines(fs, path);
    if (lines.empty()) {
        throw FileError(path, "the file is empty");
    }
    return lines.front();
}

std::int16_t IntegerLine(const std::vector<std::string>& lines, std::size_t line,
                         const std::string& path) {
    const std::string value = ValuePart(lines[line - 1]);
    const std::optional<std::int16_t> number = TruncatedInt16(value);
    if (!number) {
        throw FileError(path, "line " + std::to_string(line) + ": \"" + value +
                                  "\" is outside -32768 to 32767");
    }
    return *number;
}

// Step 8: the machine file. Only the kind and the station count are used here; the lengths
// are read past.
void ReadMachineFile(Session& session) {
    Machine& m = session.machine;
    const std::string path = m.MachineDataPrefix + "mch";
    const std::vector<std::string> lines = RequiredLines(session.os.fs, path);
    if (lines.size() < kMchLines) {
        throw FileError(path, "fewer than " + std::to_string(kMchLines) + " lines");
    }
    const double pairs = std::trunc(numeric::LeadingNumber(ValuePart(lines[20])));
    if (pairs > kMaxPairs) {
        throw FileError(path, "line 21: more than 4 pairs of lines");
    }
    if (pairs < 0) {
        throw FileError(path, "line 21: a negative count of pairs of lines");
    }
    const std::size_t needed = kMchLines + 2 * static_cast<std::size_t>(pairs);
    if (lines.size() < needed) {
        throw FileError(path, "fewer than " + std::to_string(needed) + " lines");
    }
    m.MachineType = IntegerLine(lines, 2, path);
    m.StationCount = IntegerLine(lines, 3, path);
    m.TurretMachine = IsTurretKind(m.MachineType);
    m.RouterMachine = IsRouterKind(m.MachineType);
}

void MakeFolders(Session& session) {
    platform::FileSystem& fs = session.os.fs;
    const std::string& data = session.inst.DataDir;
    const std::string& folder = session.machine.MachineFolder;
    if (session.machine.TurretMachine || session.machine.RouterMachine) {
        for (const char* top : {"Tools", "Turrets", "Profiles"}) {
            MakeDirIfMissing(fs, data + top);
            MakeDirIfMissing(fs, data + top + platform::kSeparator + folder);
        }
    }
    MakeDirIfMissing(fs, data + "Shapes");
    const std::string shapes = data + "Shapes" + platform::kSeparator + folder;
    MakeDirIfMissing(fs, shapes);
    static constexpr std::array<const char*, 6> kSidedShapes = {"Circle",  "Single-D", "Double-D",
                                                                "Obround", "Rad-Rect", "Rectangle"};
    for (const char* shape : kSidedShapes) {
        const std::string sided = shapes + platform::kSeparator + shape;
        MakeDirIfMissing(fs, sided);
        MakeDirIfMissing(fs, sided + platform::kSeparator + "Inside");
        MakeDirIfMissing(fs, sided + platform::kSeparator + "Outside");
    }
    MakeDirIfMissing(fs, shapes + platform::kSeparator + "Custom");
    MakeDirIfMissing(fs, shapes + platform::kSeparator + "Undefined");
}

// Step 13: the nesting settings, when the nesting program is installed and configured.
void CheckNesting(Session& session) {
    platform::FileSystem& fs = session.os.fs;
    const std::string& program = session.inst.ProgramDir;
    const std::string nestingCfg = program + "Nesting.cfg";
    if (!fs.Exists(nestingCfg, ListFilter::Files) ||
        !fs.Exists(program + "Murrane.exe", ListFilter::Files) || !session.inst.SiblingsPresent) {
        return;
    }
    const std::vector<std::string> cfg = SplitLines(fs.ReadAll(nestingCfg));
    const std::string named = cfg.empty() ? std::string() : Trim(cfg.front());
    if (named.empty() || named == kEndMark || !fs.Exists(named, ListFilter::FilesAndDirs)) {
        return;
    }
    const std::string nst = session.machine.MachineDataPrefix + "nst";
    if (!fs.Exists(nst, ListFilter::Files) || fs.Length(nst) == 0) {
        WriteTextFile(fs, nst, {std::string(kNestingDefault)});
        return;
    }
    const std::vector<std::string> lines = SplitLines(fs.ReadAll(nst));
    if (lines.empty() || Upper(ValuePart(lines.front())) != "NO") {
        MakeDirIfMissing(fs, program + "Nesting");
    }
}

bool Unusable(std::string_view name) {
    return name.empty() || name == "." || name == ".." || Upper(name) == "EXSUBS";
}

}  // namespace

void ClearMachine(Machine& machine) {
    machine = Machine{};
}

void LoadMachine(Session& session, std::int16_t machineNo, std::string userDirName) {
    platform::FileSystem& fs = session.os.fs;
    Machine& m = session.machine;
    ClearMachine(m);
    FindMachine(session, machineNo);
    m.MachineDataPrefix =
        session.inst.DataDir + "Data" + platform::kSeparator + m.MachineFolder + ".";
    const std::string material = session.inst.DataDir + "Material" + platform::kSeparator;
    m.MaterialDir = WithSeparator(material + m.MachineFolder);

    userDirName = MakeUserFolders(session, std::move(userDirName));
    MakeExportSettings(session);
    MakeDirIfMissing(fs, material + m.MachineFolder);
    CreateWhenMissing(fs, m.MaterialDir + "Stock.lst", TextFileBytes({}));

    m.MachineImperial = Upper(ValuePart(FirstLine(fs, m.MachineDataPrefix + "msr"))) == "IMPERIAL";
    m.ImperialDisplay = m.MachineImperial;
    ReadMachineFile(session);
    m.ToolSettingsOn = Upper(ValuePart(FirstLine(fs, m.MachineDataPrefix + "prm"))) == "YES";

    MakeFolders(session);
    ReadStations(session);
    CheckNesting(session);
    FirstLine(fs, m.MachineDataPrefix + "cms");

    if (HasColon(userDirName)) {
        userDirName.clear();
    }
    session.inst.UserDirName = ResolveWorkDir(session, userDirName);
    WriteSuiteConfig(session);
}

std::string ResolveWorkDir(const Session& session, std::string_view candidate) {
    const platform::FileSystem& fs = session.os.fs;
    const std::string inside = WithSeparator(session.inst.UserRoot + session.machine.MachineFolder);
    const std::string name = Trim(candidate);
    std::string result;
    if (HasColon(name)) {
        result = DriveReady(fs, name) ? name : std::string();
    } else if (!name.empty() && !HasSeparator(name)) {
        // A name is looked up in the machine's user folder only, never in a folder below it.
        const std::vector<std::string> found = fs.List(inside + name, ListFilter::FilesAndDirs);
        result = found.empty() ? std::string() : found.front();
    }
    if (Unusable(result)) {
        result.clear();
        for (const std::string& entry : fs.List(inside + "*.*", ListFilter::FilesAndDirs)) {
            if (!Unusable(entry)) {
                result = entry;
                break;
            }
        }
    }
    return result;
}

}  // namespace tooling::core
