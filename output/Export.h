#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::output {

// The drawing number of the special tool of that name (trimmed, compared exactly) in the current
// library's drawing index; -1 when the index does not name it.
std::int16_t SpecialToolNo(const core::Session& session, std::string_view name);

// A special tool whose drawing can be exported: its trimmed name and its drawing number.
struct ExportEntry {
    std::string name;
    std::int16_t number;
    bool operator==(const ExportEntry&) const = default;
};

// The special tools of the current library, in file order, that the drawing index names and
// whose drawing file exists. Throws platform::FileError when the tool file cannot be read.
std::vector<ExportEntry> ExportableTools(const core::Session& session);

// Whether a tool's name can be taken as the name of a file inside the export folder, on every
// platform of the suite and on its removable media: not empty, no path separator ("/" or "\"),
// no "..", no control character, none of < > : " | ? *, no final "." or blank, no device name
// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with or without an extension).
bool ExportableName(std::string_view name);

// The export record file: MachineDataPrefix + "xtl".
std::string ExportRecordPath(const core::Session& session);

// The end of every export, also of one the user declined: the folder (ending in the separator)
// is written to the export record file, replaced atomically, and becomes ProgramDrive, where the
// next export starts. A failing write is reported.
void RecordExportFolder(core::Session& session, std::string_view folder);

// Copies the drawings of the entries into the folder (ending in the separator) under the tools'
// names; returns how many were copied. A name that cannot be a file name there is reported and
// skipped; a copy that fails is reported and ends the copying, and never leaves a target
// half-written. The count is reported ("No Tools Exported !", "1 Tool Exported !",
// "<n> Tools Exported !"), then the folder is recorded (RecordExportFolder).
int ExportDrawings(core::Session& session, const std::vector<ExportEntry>& entries,
                   std::string_view folder);

}  // namespace tooling::output
