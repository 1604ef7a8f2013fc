#include "library/LibraryFiles.h"

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/EmptyTurret.h"
#include "platform/FileSystem.h"

namespace tooling::library {

namespace {

std::string Folder(const core::Session& session, std::string_view kind) {
    return session.inst.DataDir + std::string(kind) + platform::kSeparator +
           session.machine.MachineFolder + platform::kSeparator;
}

}  // namespace

std::string ToolFolder(const core::Session& session) {
    return Folder(session, "Tools");
}

std::string TurretFolder(const core::Session& session) {
    return Folder(session, "Turrets");
}

std::string ToolPrefix(const core::Session& session, std::string_view name) {
    return ToolFolder(session) + std::string(name) + ".";
}

std::string TurretPrefix(const core::Session& session, std::string_view name) {
    return TurretFolder(session) + std::string(name) + ".";
}

void SetLibraryPrefixes(core::Session& session) {
    session.lib.ToolLibPrefix = ToolPrefix(session, session.lib.LibraryName);
    session.lib.TurretLibPrefix = TurretPrefix(session, session.lib.LibraryName);
}

bool LibraryExists(const core::Session& session, std::string_view name) {
    return session.os.fs.Exists(ToolPrefix(session, name) + "lkp", platform::ListFilter::Files);
}

bool BelongsTo(std::string_view fileName, std::string_view library) {
    if (fileName.size() < library.size() + 2 ||
        !core::SameText(fileName.substr(0, library.size()), library) ||
        fileName[library.size()] != '.') {
        return false;
    }
    return fileName.find('.', library.size() + 1) == std::string_view::npos;
}

std::vector<std::string> OwnFiles(const platform::FileSystem& fs, const std::string& folder,
                                  std::string_view library) {
    std::vector<std::string> own;
    for (std::string& name : fs.List(folder + "*.*", platform::ListFilter::Files)) {
        if (BelongsTo(name, library)) {
            own.push_back(std::move(name));
        }
    }
    return own;
}

std::string FileExt(std::string_view name) {
    const std::string trimmed = core::Trim(name);
    const std::size_t dot = trimmed.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 4 < trimmed.size()) {
        return {};
    }
    return trimmed.substr(dot + 1);
}

void CreateLibraryFiles(core::Session& session, std::string_view name) {
    platform::FileSystem& fs = session.os.fs;
    const std::string turret = TurretPrefix(session, name);
    core::CreateWhenMissing(fs, ToolPrefix(session, name) + "lkp", EmptyIndexText());
    core::CreateWhenMissing(fs, turret + "lkp", EmptyIndexText());
    core::CreateWhenMissing(fs, turret + "0", EmptyTurretText(session.machine.StationCount));
}

}  // namespace tooling::library
