// Writes the standard turrets of the sample installation from their text sources:
//
//   make_sample_turrets <examples folder> <output folder>
//
// reads each <examples>/source/<machine>/<library>.turrets with the machine's station files of
// <examples>/Data/Data/ and the library's tool files of <examples>/Data/Tools/<machine>/, and
// writes the library's turret files to <output>/Data/Turrets/<machine>/. Each turret is made by
// the turret commands, the turret editor and the Tooling dialog as a user makes it.
// `make_sample_turrets examples examples` renews the committed files after a source has changed.

#include <algorithm>
#include <exception>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Session.h"
#include "core/Stations.h"
#include "core/Text.h"
#include "examples/generator/GeneratorMain.h"
#include "library/EmptyTurret.h"
#include "library/LibraryFiles.h"
#include "numeric/NumText.h"
#include "tests/support/TestServices.h"
#include "turrets/TrtTol.h"
#include "turrets/TurretCommands.h"

namespace {

namespace fs = std::filesystem;
using tooling::examples::ReadAll;
using tooling::examples::Sorted;
using tooling::turrets::TrtTol;

// The fields of a source line, trimmed; none for a comment or an empty line.
std::vector<std::string> Fields(std::string line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    std::vector<std::string> fields;
    if (tooling::core::Trim(line).empty() || tooling::core::Trim(line).front() == '#') {
        return fields;
    }
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '|');) {
        fields.push_back(tooling::core::Trim(field));
    }
    return fields;
}

// Selects the line of the combo box that reads `text`, as a user's click does.
void Pick(TrtTol& dialog, TrtTol::Combo& combo, void (TrtTol::*click)(), const std::string& text,
          const char* what) {
    const auto at = std::find(combo.lines.begin(), combo.lines.end(), text);
    if (at == combo.lines.end()) {
        throw std::runtime_error(std::string("the Tooling dialog lists no ") + what + " \"" + text +
                                 "\"");
    }
    combo.selected = static_cast<int>(at - combo.lines.begin());
    if (click != nullptr) {
        (dialog.*click)();
    }
}

// The tool of a station line, picked in the Tooling dialog for a station of `type`.
tooling::turrets::PickedTool PickTool(tooling::core::Session& session, std::int16_t type,
                                      const std::vector<std::string>& fields) {
    TrtTol dialog(session);
    dialog.Form_Load(type);
    dialog.Form_GotFocus();
    Pick(dialog, dialog.shapeList, &TrtTol::ShapeList_Click, fields[1], "shape");
    Pick(dialog, dialog.sizeList, &TrtTol::SizeList_Click, fields[2], "size");
    if (fields[3] == "idx" || fields[1] == "Diameter") {
        if (dialog.angList.visible) {
            throw std::runtime_error("the tool takes an angle in this station");
        }
    } else {
        Pick(dialog, dialog.angList, nullptr, fields[3], "angle");
    }
    dialog.InptOk_Click();
    if (!dialog.closed || dialog.picked.valid != -1) {
        throw std::runtime_error("the Tooling dialog refused the tool");
    }
    return dialog.picked;
}

// Makes the turrets of a source on the session's library.
void MakeTurrets(tooling::core::Session& session, tooling::test::FakeUi& ui,
                 const std::string& source) {
    tooling::turrets::TurretCommands commands(session);
    std::istringstream lines(source);
    int lineNo = 0;
    const auto finish = [&] {
        if (commands.editor.frameVisible) {
            commands.editor.TurretOk_Click();
        }
    };
    try {
        for (std::string line; std::getline(lines, line);) {
            ++lineNo;
            const std::vector<std::string> fields = Fields(line);
            if (fields.size() == 2 && fields[0] == "turret") {
                finish();
                commands.TurretItem_Click(1);
                commands.nameText = fields[1];
                commands.NameOk_Click();
            } else if (fields.size() == 4 && commands.editor.frameVisible) {
                const std::vector<tooling::turrets::StationRow>& rows = commands.editor.rows();
                const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) {
                    return tooling::numeric::IntText(r.station) == fields[0];
                });
                if (row == rows.end()) {
                    throw std::runtime_error("the machine has no station " + fields[0]);
                }
                commands.editor.TurretList_Click(static_cast<int>(row - rows.begin()), 0);
                commands.editor.Selectool_Click(
                    [&](std::int16_t type) { return PickTool(session, type, fields); });
            } else if (!fields.empty()) {
                throw std::runtime_error("a line that is neither a turret nor a station");
            }
            if (!ui.events.empty()) {
                throw std::runtime_error(ui.events.front());
            }
        }
        finish();
    } catch (const std::exception& error) {
        throw std::runtime_error("line " + std::to_string(lineNo) + ": " + error.what());
    }
    if (!ui.events.empty()) {
        throw std::runtime_error(ui.events.front());
    }
}

// Writes the turrets of every machine's sources; returns how many files it wrote.
int WriteTurrets(const fs::path& examples, const fs::path& output, fs::path& source) {
    int written = 0;
    for (const fs::path& machineDir : Sorted(examples / "source")) {
        for (const fs::path& path : Sorted(machineDir)) {
            if (path.extension() != ".turrets") {
                continue;
            }
            source = path;
            // Nothing is shown: the fakes of the tests stand in for the user.
            tooling::test::TestServices services;
            tooling::core::Session session(services.services);
            const std::string machine = machineDir.filename().string();
            session.inst.DataDir = (output / "Data").string() + "/";
            session.machine.MachineFolder = machine;
            session.machine.MachineDataPrefix =
                (examples / "Data" / "Data" / machine).string() + ".";
            session.machine.TurretMachine = true;
            tooling::core::ReadStations(session);
            // One station line per station of the turret.
            session.machine.StationCount =
                static_cast<std::int16_t>(session.machine.TurretStations.size() - 1);
            session.lib.LibraryName = path.stem().string();
            tooling::library::SetLibraryPrefixes(session);
            session.lib.ToolLibPrefix =
                (examples / "Data" / "Tools" / machine / session.lib.LibraryName).string() + ".";
            fs::create_directories(output / "Data" / "Turrets" / machine);
            services.fs.Replace(session.lib.TurretLibPrefix + "lkp",
                                tooling::library::EmptyIndexText());
            services.fs.Replace(session.lib.TurretLibPrefix + "0",
                                tooling::library::EmptyTurretText(session.machine.StationCount));
            MakeTurrets(session, services.ui, ReadAll(path));
            written += static_cast<int>(tooling::turrets::ReadTurretIndex(session).size() + 2);
        }
    }
    return written;
}

}  // namespace

int main(int argc, char* argv[]) {
    return tooling::examples::GeneratorMain("make_sample_turrets", argc, argv, WriteTurrets);
}
