#include "output/Export.h"

#include <algorithm>
#include <array>

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "library/SpecialDrawings.h"
#include "library/ToolFile.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace tooling::output {

namespace {

constexpr std::string_view kForbidden = "/\\<>:\"|?*";

bool DeviceName(std::string_view name) {
    const std::string stem = core::Upper(core::Trim(name.substr(0, name.find('.'))));
    static constexpr std::array<std::string_view, 4> kDevices{"CON", "PRN", "AUX", "NUL"};
    if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) {
        return true;
    }
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

std::int16_t NumberIn(const std::vector<library::DrawingEntry>& index, std::string_view name) {
    const std::int16_t number = library::DrawingNumber(index, core::Trim(name));
    return number >= 1 ? number : std::int16_t{-1};
}

std::string CountReport(int copied) {
    if (copied == 0) {
        return "No Tools Exported !";
    }
    if (copied == 1) {
        return "1 Tool Exported !";
    }
    return numeric::IntText(static_cast<std::int16_t>(std::min(copied, 32767))) +
           " Tools Exported !";
}

}  // namespace

std::int16_t SpecialToolNo(const core::Session& session, std::string_view name) {
    return NumberIn(library::ReadDrawingIndex(session), name);
}

std::vector<ExportEntry> ExportableTools(const core::Session& session) {
    const std::vector<library::ToolRec> recs = library::ReadToolFile(session, 'S');
    const std::vector<library::DrawingEntry> index = library::ReadDrawingIndex(session);
    const platform::FileSystem& fs = session.os.fs;
    std::vector<ExportEntry> entries;
    for (const library::ToolRec& rec : recs) {
        if (!library::ValidTool('S', rec) || rec.Stns[0].StnType <= 0) {
            continue;
        }
        std::string name = core::Trim(rec.Descr);
        const std::int16_t number = NumberIn(index, name);
        if (number >= 1 &&
            fs.Exists(library::DrawingPath(session, number), platform::ListFilter::Files)) {
            entries.push_back({std::move(name), number});
        }
    }
    return entries;
}

bool ExportableName(std::string_view name) {
    if (name.empty() || name.find("..") != std::string_view::npos || name.back() == '.' ||
        name.back() == ' ') {
        return false;
    }
    const bool clean = std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || kForbidden.find(c) != std::string_view::npos;
    });
    return clean && !DeviceName(name);
}

std::string ExportRecordPath(const core::Session& session) {
    return session.machine.MachineDataPrefix + "xtl";
}

void RecordExportFolder(core::Session& session, std::string_view folder) {
    const std::string destination = core::WithSeparator(core::Trim(folder));
    try {
        core::WriteTextFile(session.os.fs, ExportRecordPath(session), {destination});
    } catch (const platform::FileError& error) {
        session.os.ui.Refuse(error.what());
    }
    session.inst.ProgramDrive = destination;
}

int ExportDrawings(core::Session& session, const std::vector<ExportEntry>& entries,
                   std::string_view folder) {
    platform::FileSystem& fs = session.os.fs;
    platform::Ui& ui = session.os.ui;
    const std::string destination = core::WithSeparator(core::Trim(folder));
    int copied = 0;
    for (const ExportEntry& entry : entries) {
        if (!ExportableName(entry.name)) {
            ui.Refuse("\"" + entry.name + "\" Is Not A Valid File Name !");
            continue;
        }
        const std::string target = destination + entry.name;
        try {
            // Read first, so that a drawing gone since leaves an older copy where it is.
            const std::string drawing = fs.ReadAll(library::DrawingPath(session, entry.number));
            if (fs.Exists(target, platform::ListFilter::Files)) {
                fs.DeleteFile(target);
            }
            fs.Replace(target, drawing);
        } catch (const platform::FileError& error) {
            ui.Refuse(error.what());
            break;
        }
        ++copied;
    }
    ui.Message(CountReport(copied));
    RecordExportFolder(session, destination);
    return copied;
}

}  // namespace tooling::output
