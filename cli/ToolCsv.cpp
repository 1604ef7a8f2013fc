#include "cli/ToolCsv.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <stdexcept>

#include "cli/Csv.h"
#include "cli/ScratchFolder.h"
#include "cli/TerminalUi.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/LibraryFiles.h"
#include "library/SpecialDrawings.h"
#include "library/ToolFile.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"
#include "tools/ShapeChoice.h"
#include "tools/ShapeRules.h"
#include "tools/ToolDialog.h"
#include "tools/ToolShapes.h"

namespace tooling::cli {

namespace {

constexpr char kListSeparator = ';';

char CodeOf(std::int16_t shapeNo) {
    return shapeNo == tools::kRouterShapeNo
               ? 'A'
               : library::kShapes[static_cast<std::size_t>(shapeNo - 1)].code;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : std::string(1, kListSeparator)) + item;
    }
    return text;
}

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> items;
    if (core::Trim(text).empty()) {
        return items;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(kListSeparator, start);
        items.push_back(core::Trim(text.substr(start, end - start)));
        if (end == std::string_view::npos) {
            return items;
        }
        start = end + 1;
    }
}

std::vector<std::string> ToolFields(const core::Session& session, std::int16_t shapeNo,
                                    const library::ToolRec& rec) {
    const tools::ShapeRule& rule = *tools::RuleOfShapeNo(shapeNo);
    std::vector<std::string> dims(3);
    if (shapeNo != tools::kSpecialShapeNo) {
        const std::vector<double> values = tools::EditValues(rule, rec.Dims);
        for (std::size_t i = 0; i < values.size() && i < dims.size(); ++i) {
            dims[i] = numeric::NumText(numeric::RoundHalfEven(values[i], 3), -1);
        }
    }
    std::vector<std::string> stations;
    for (const library::ToolStation& station : rec.Stns) {
        if (station.StnType > 0 && station.StnType <= core::kMaxStationType) {
            stations.push_back(core::Trim(
                session.machine.StationTable[static_cast<std::size_t>(station.StnType)].name));
        }
    }
    std::vector<std::string> angles;
    for (const float angle : rec.Angles) {
        if (angle >= 0.0F) {
            angles.push_back(numeric::NumText(angle, -1));
        }
    }
    const bool rounded = rule.code == 'K' && rec.Dims[2] < 0.0F;
    return {std::string(1, rule.code),
            core::Trim(rec.Descr),
            "mm",
            dims[0],
            dims[1],
            dims[2],
            rounded ? "yes" : "",
            Joined(stations),
            Joined(angles),
            std::to_string(rec.SettingsNo)};
}

// The columns of a header row by name; throws when one is missing.
std::vector<std::size_t> ColumnsOf(const CsvRow& header) {
    std::vector<std::size_t> columns;
    for (const std::string_view name : kToolColumns) {
        const auto found =
            std::find_if(header.fields.begin(), header.fields.end(), [&](const std::string& field) {
                return core::Upper(core::Trim(field)) == core::Upper(name);
            });
        if (found == header.fields.end()) {
            throw std::runtime_error("line " + std::to_string(header.line) +
                                     ": the header has no column \"" + std::string(name) + "\"");
        }
        columns.push_back(static_cast<std::size_t>(found - header.fields.begin()));
    }
    return columns;
}

// One row of a tool CSV, as the tool dialog's boxes take it.
struct ToolRow {
    int line = 0;
    std::int16_t shapeNo = 0;
    std::string name;
    bool inches = false;
    std::vector<std::string> dims;
    bool rounded = false;
    std::vector<std::string> stations;
    std::vector<std::string> angles;
    std::int32_t settingsNo = 1;
};

// The row's fields in the dialog's terms, or the reason they cannot be.
std::string ReadRow(const core::Session& session, const CsvRow& csv,
                    const std::vector<std::size_t>& columns, ToolRow& row) {
    const auto field = [&](std::size_t column) {
        const std::size_t at = columns[column];
        return at < csv.fields.size() ? core::Trim(csv.fields[at]) : std::string();
    };
    row.line = csv.line;
    const std::vector<std::int16_t> shapes = ShapesOf(session, field(0));
    if (shapes.size() != 1) {
        return "unknown shape \"" + field(0) + "\"";
    }
    row.shapeNo = shapes[0];
    row.name = field(1);
    const std::string units = core::Upper(field(2));
    if (units != "MM" && units != "IN") {
        return "units must be mm or in, not \"" + field(2) + "\"";
    }
    row.inches = units == "IN";
    row.dims = {field(3), field(4), field(5)};
    const std::string rounded = core::Upper(field(6));
    if (!rounded.empty() && rounded != "YES" && rounded != "NO") {
        return "Rounded must be yes, no or empty, not \"" + field(6) + "\"";
    }
    row.rounded = rounded == "YES";
    row.stations = Split(field(7));
    row.angles = Split(field(8));
    if (row.angles.size() > static_cast<std::size_t>(tools::kAngleBoxes)) {
        return "more than 6 angles";
    }
    const std::string settings = field(9);
    if (!settings.empty()) {
        const auto [end, error] =
            std::from_chars(settings.data(), settings.data() + settings.size(), row.settingsNo);
        if (error != std::errc() || end != settings.data() + settings.size()) {
            return "SettingsNo must be a whole number, not \"" + settings + "\"";
        }
    }
    return {};
}

// Enters the row through the tool dialog of its shape, as a user typing it would; the reason
// when the dialog or the special-tool pick list refuses it.
std::string EnterTool(core::Session& session, TerminalUi& ui, const ToolRow& row) {
    SelectShape(session, row.shapeNo);
    session.cmd.EditRecNo = 0;
    const bool special = row.shapeNo == tools::kSpecialShapeNo;
    if (special) {
        if (library::DrawingNumber(library::ReadDrawingIndex(session), row.name) == 0) {
            return "Tool Must Be Drawn First !";
        }
        const std::vector<library::ToolRec> tools = library::ReadToolFile(session, 'S');
        if (std::any_of(tools.begin(), tools.end(), [&](const library::ToolRec& rec) {
                return library::ValidTool('S', rec) && core::Trim(rec.Descr) == row.name;
            })) {
            return "the special tool \"" + row.name + "\" is in the library already";
        }
        session.cmd.SpecialName = row.name;
    }
    tools::ToolDialog dialog(session);
    dialog.Form_Load();
    if (!special) {
        for (std::size_t i = 0; i < dialog.boxTexts.size() && i < row.dims.size(); ++i) {
            dialog.boxTexts[i] = row.dims[i];
        }
    }
    dialog.keyRoundChecked = dialog.keyRoundVisible && row.rounded;
    std::fill(dialog.stnSelected.begin(), dialog.stnSelected.end(), false);
    for (const std::string& station : row.stations) {
        const auto line = std::find(dialog.stnLines.begin(), dialog.stnLines.end(), station);
        if (line == dialog.stnLines.end()) {
            return "no station type \"" + station + "\" holds tools on this machine";
        }
        dialog.stnSelected[static_cast<std::size_t>(line - dialog.stnLines.begin())] = true;
    }
    dialog.angTexts = {};
    std::copy(row.angles.begin(), row.angles.end(), dialog.angTexts.begin());
    dialog.SettingsNo = row.settingsNo;

    std::vector<std::string> messages;
    ui.Collect(&messages);
    const bool imperial = session.machine.ImperialDisplay;
    session.machine.ImperialDisplay = row.inches;
    dialog.InptOk_Click();
    session.machine.ImperialDisplay = imperial;
    ui.Collect(nullptr);
    if (dialog.closed) {
        return {};
    }
    return messages.empty() ? "refused" : messages.back();
}

std::vector<std::string> EnterAll(core::Session& session, TerminalUi& ui,
                                  const std::vector<ToolRow>& rows, int pass,
                                  const ImportProgress& progress) {
    std::vector<std::string> refusals;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ToolRow& row = rows[i];
        if (progress) {
            progress(pass, i + 1, rows.size());
        }
        if (std::string reason = EnterTool(session, ui, row); !reason.empty()) {
            refusals.push_back("line " + std::to_string(row.line) + ": " + reason);
        }
    }
    return refusals;
}

}  // namespace

std::vector<std::int16_t> ShapesOf(const core::Session& session, std::string_view value) {
    const std::string upper = core::Upper(core::Trim(value));
    if (session.machine.RouterMachine) {
        if (upper == "ALL" || upper == "A") {
            return {tools::kRouterShapeNo};
        }
        return {};
    }
    std::vector<std::int16_t> shapes;
    for (std::int16_t no = 1; no <= library::kShapeCount; ++no) {
        if (upper == "ALL" || (upper.size() == 1 && upper[0] == CodeOf(no))) {
            shapes.push_back(no);
        }
    }
    return shapes;
}

void SelectShape(core::Session& session, std::int16_t shapeNo) {
    if (shapeNo == tools::kRouterShapeNo) {
        tools::SetStartShape(session);
        tools::ClearStnLidx(session);
        return;
    }
    tools::ChooseShape(session, shapeNo);
}

std::string ToolsCsv(core::Session& session, const std::vector<std::int16_t>& shapeNos) {
    std::string text = CsvLine({std::begin(kToolColumns), std::end(kToolColumns)});
    for (const std::int16_t shapeNo : shapeNos) {
        const char code = CodeOf(shapeNo);
        for (const library::ToolRec& rec : library::ReadToolFile(session, code)) {
            if (library::ValidTool(code, rec)) {
                text += CsvLine(ToolFields(session, shapeNo, rec));
            }
        }
    }
    return text;
}

ImportReport ImportTools(core::Session& session, TerminalUi& ui, std::string_view csv, bool dryRun,
                         const ImportProgress& progress) {
    const std::vector<CsvRow> records = ParseCsv(csv);
    ImportReport report;
    if (records.empty()) {
        return report;
    }
    const std::vector<std::size_t> columns = ColumnsOf(records[0]);
    std::vector<ToolRow> rows;
    for (std::size_t i = 1; i < records.size(); ++i) {
        ToolRow row;
        if (std::string reason = ReadRow(session, records[i], columns, row); !reason.empty()) {
            report.refusals.push_back("line " + std::to_string(records[i].line) + ": " + reason);
        } else {
            rows.push_back(std::move(row));
        }
    }

    // The scratch copy holds the library's files, so a row meets what it would meet there.
    const ScratchFolder scratch;
    const std::string folder = library::ToolFolder(session);
    for (const std::string& name :
         library::OwnFiles(session.os.fs, folder, session.lib.LibraryName)) {
        session.os.fs.Copy(folder + name, scratch.Prefix() + name);
    }
    const std::string prefix = session.lib.ToolLibPrefix;
    session.lib.ToolLibPrefix = scratch.Prefix() + session.lib.LibraryName + ".";
    std::vector<std::string> refusals;
    try {
        refusals = EnterAll(session, ui, rows, 1, progress);
    } catch (...) {
        session.lib.ToolLibPrefix = prefix;
        throw;
    }
    session.lib.ToolLibPrefix = prefix;
    report.refusals.insert(report.refusals.end(), refusals.begin(), refusals.end());
    std::sort(report.refusals.begin(), report.refusals.end(),
              [](const std::string& a, const std::string& b) {
                  return std::stoi(a.substr(5)) < std::stoi(b.substr(5));
              });
    if (!report.refusals.empty()) {
        return report;
    }
    if (!dryRun) {
        if (std::vector<std::string> late = EnterAll(session, ui, rows, 2, progress);
            !late.empty()) {
            report.refusals = late;
            return report;
        }
    }
    report.accepted = static_cast<int>(rows.size());
    return report;
}

}  // namespace tooling::cli
