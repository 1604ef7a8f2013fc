#include "core/SuiteConfig.h"

#include "core/FileSteps.h"
#include "core/Manuals.h"
#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"

namespace tooling::core {

namespace {

using platform::FileError;
using platform::ListFilter;

constexpr std::size_t kConfigLines = 5;

std::int16_t MachineNumber(std::string_view line, const std::string& path) {
    const double value = numeric::LeadingNumber(line);
    const std::optional<std::int16_t> number = numeric::NearestInt16(value);
    if (!number && value > 0) {
        throw FileError(path, "line 4: machine number \"" + Trim(line) + "\" is above 32767");
    }
    return (!number || *number < 1) ? std::int16_t{1} : *number;
}

// Step 1.1: the five lines of the configuration.
void ReadConfigFile(Session& session) {
    Installation& inst = session.inst;
    const std::string path = inst.StartDir + std::string(kSuiteConfigName);
    const std::vector<std::string> lines = RequiredLines(session.os.fs, path);
    if (lines.size() < kConfigLines) {
        throw FileError(path, "fewer than 5 lines");
    }
    inst.ProgramDir = WithSeparator(Trim(lines[0]));
    inst.DataDir = WithSeparator(Trim(lines[1]));
    inst.UserRoot = WithSeparator(Trim(lines[2]));
    inst.MachineNo = MachineNumber(lines[3], path);
    inst.UserDirName = Trim(lines[4]);
    if (HasColon(inst.UserDirName)) {
        inst.UserDirName.clear();
    }
}

// Step 1.2: the program drive and the sibling programs.
void FindSiblings(Session& session) {
    const platform::FileSystem& fs = session.os.fs;
    Installation& inst = session.inst;
    inst.ProgramDrive = fs.VolumeOf(inst.ProgramDir);
    inst.SiblingsPresent = true;
    if (!fs.Exists(inst.ProgramDir + "Varnholt.exe", ListFilter::Files)) {
        inst.SiblingsPresent = false;
    }
    if (!fs.Exists(inst.ProgramDir + "Pellarin.exe", ListFilter::Files)) {
        inst.SiblingsPresent = false;
    }
    inst.ReverseProgPresent =
        fs.Exists(inst.ProgramDir + "Dostrel.exe", ListFilter::Files) && inst.SiblingsPresent;
}

// Step 1.4: on the first start, "Data/Default" holds copies of the files directly in "Data".
void SeedDefaultData(Session& session) {
    platform::FileSystem& fs = session.os.fs;
    const std::string data = session.inst.DataDir + "Data" + platform::kSeparator;
    const std::string defaults = data + "Default";
    if (fs.Exists(defaults, ListFilter::FilesAndDirs)) {
        return;
    }
    MakeDirIfMissing(fs, defaults);
    for (const std::string& name : fs.List(data + "*.*", ListFilter::Files)) {
        fs.Replace(WithSeparator(defaults) + name, fs.ReadAll(data + name));
    }
}

// The file exists and holds exactly these bytes; a file that cannot be read does not.
bool Holds(const platform::FileSystem& fs, const std::string& path, std::string_view bytes) {
    try {
        return fs.Exists(path, ListFilter::Files) && fs.ReadAll(path) == bytes;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

void ReadSuiteConfig(Session& session, std::string_view pdfRoot) {
    platform::FileSystem& fs = session.os.fs;
    Installation& inst = session.inst;
    ReadConfigFile(session);
    FindSiblings(session);
    if (inst.ReverseProgPresent) {
        ReadRequired(fs, inst.ProgramDir + "Reverse.lst");
        ReadRequired(fs, inst.ProgramDir + "Machine.lst");
    }
    SeedDefaultData(session);
    if (inst.SiblingsPresent) {
        MakeDirIfMissing(fs, inst.DataDir + "Blocks");
        MakeDirIfMissing(fs, inst.DataDir + "Material");
        if (inst.ReverseProgPresent) {
            MakeDirIfMissing(fs, inst.DataDir + "RevSubs");
        }
        MakeDirIfMissing(fs, inst.ProgramDir + "Undo");
    }
    inst.PdfReader = SetUpPdfReader(session, pdfRoot);
    inst.ManualsDir = SetUpManuals(session);
}

void WriteSuiteConfig(Session& session) {
    const Installation& inst = session.inst;
    platform::FileSystem& fs = session.os.fs;
    const std::string path = inst.ProgramDir + std::string(kSuiteConfigName);
    const std::string bytes =
        TextFileBytes({inst.ProgramDir, inst.DataDir, inst.UserRoot,
                       numeric::PrintedNumber(inst.MachineNo), inst.UserDirName});
    // Most starts find the file as they would write it: it is replaced only when a byte differs.
    if (!Holds(fs, path, bytes)) {
        fs.Replace(path, bytes);
    }
}

}  // namespace tooling::core
