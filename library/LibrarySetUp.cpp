#include "library/LibrarySetUp.h"

#include "core/FileSteps.h"
#include "core/Material.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/EmptyTurret.h"
#include "library/LibraryFiles.h"
#include "platform/FileError.h"

namespace tooling::library {

namespace {

// Runs one step of the set-up; a file error skips the step and the set-up goes on.
template <typename Step>
void Try(Step step) {
    try {
        step();
    } catch (const platform::FileError&) {
    }
}

}  // namespace

std::string StripExt(std::string_view name) {
    const std::string trimmed = core::Trim(name);
    const std::size_t dot = trimmed.rfind('.');
    return dot == std::string::npos ? trimmed : trimmed.substr(0, dot);
}

void SetUpLibrary(core::Session& session, std::string_view material) {
    if (!session.inst.SiblingsPresent) {
        return;
    }
    platform::FileSystem& fs = session.os.fs;
    core::LibraryState& lib = session.lib;

    std::string m = core::Trim(material);
    if (m.empty() || !fs.Exists(core::MaterialPath(session, m), platform::ListFilter::Files)) {
        m = "Default";
    }
    lib.MaterialName = m;
    lib.LibraryName = core::Trim(core::MaterialLibraryName(session, m));

    if (!session.machine.TurretMachine) {
        SetLibraryPrefixes(session);
        return;
    }

    Try([&] {
        if (LibraryExists(session, lib.LibraryName)) {
            return;
        }
        lib.LibraryName = std::string(kFullLibrary);
        if (LibraryExists(session, lib.LibraryName)) {
            return;
        }
        const std::vector<std::string> found =
            fs.List(ToolFolder(session) + "*.lkp", platform::ListFilter::Files);
        if (!found.empty() && !StripExt(found.front()).empty()) {
            lib.LibraryName = StripExt(found.front());
        }
    });
    SetLibraryPrefixes(session);

    const std::string index = EmptyIndexText();
    const std::string emptyTurret = EmptyTurretText(session.machine.StationCount);
    const std::string fullTool = ToolPrefix(session, kFullLibrary);
    const std::string fullTurret = TurretPrefix(session, kFullLibrary);
    Try([&] { core::CreateWhenMissing(fs, fullTool + "lkp", index); });
    Try([&] { core::CreateWhenMissing(fs, lib.ToolLibPrefix + "lkp", index); });
    Try([&] { core::CreateWhenMissing(fs, lib.TurretLibPrefix + "lkp", index); });
    Try([&] { core::CreateWhenMissing(fs, lib.TurretLibPrefix + "0", emptyTurret); });
    Try([&] { core::CreateWhenMissing(fs, fullTurret + "lkp", index); });
    Try([&] { core::CreateWhenMissing(fs, fullTurret + "0", emptyTurret); });

    ReadDefaults(session);
}

}  // namespace tooling::library
