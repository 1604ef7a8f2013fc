#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::cli {

class TerminalUi;

// The shape numbers a --shape value names: a shape code ("A" to "M", "S"; "A" is Router on a
// router machine) or "all" (every shape of the machine). Empty for any other value.
std::vector<std::int16_t> ShapesOf(const core::Session& session, std::string_view value);

// Makes the shape the current one, as the Tool Shape menu does.
void SelectShape(core::Session& session, std::int16_t shapeNo);

// The columns of a tool CSV file, in the order export writes them.
inline constexpr std::string_view kToolColumns[] = {"Shape",  "Name",      "Units",   "Dim1",
                                                    "Dim2",   "Dim3",      "Rounded", "Stations",
                                                    "Angles", "SettingsNo"};

// Every tool of the shapes as a CSV text with a header row: the values as the tool dialog
// shows them when the tool is edited (in millimetres), the station types by name and the load
// angles, each list separated by ";".
std::string ToolsCsv(core::Session& session, const std::vector<std::int16_t>& shapeNos);

struct ImportReport {
    int accepted = 0;
    std::vector<std::string> refusals;  // "line N: reason"
};

// Adds the tools of a CSV text as the tool dialogs add them, through the dialogs' own checks.
// Every row is first entered into a scratch copy of the library; only when all of them pass
// (and `dryRun` is off) are they entered into the library itself. Throws platform::FileError and
// std::runtime_error for a file that cannot be read as a tool CSV. `progress`, when given, hears
// of each row entered: the pass (1 checking, 2 adding), the rows done and their count.
using ImportProgress = std::function<void(int pass, std::size_t done, std::size_t count)>;
ImportReport ImportTools(core::Session& session, TerminalUi& ui, std::string_view csv, bool dryRun,
                         const ImportProgress& progress = {});

}  // namespace tooling::cli
