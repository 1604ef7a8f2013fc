#include "library/TurretRows.h"

#include "core/FileSteps.h"
#include "core/FileValues.h"
#include "core/Session.h"
#include "core/Stations.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "library/ShapeTable.h"
#include "library/ToolRec.h"
#include "library/ToolSizeText.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"

namespace tooling::library {

namespace {

constexpr std::size_t kStationFields = 9;

// The fields of one station line: leading blanks skipped, each ending at a comma or the line end.
std::vector<std::string_view> LineFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) {
            ++pos;
        }
        const std::size_t comma = line.find(',', pos);
        fields.push_back(line.substr(
            pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
        if (comma == std::string_view::npos) {
            return fields;
        }
        pos = comma + 1;
    }
}

StationRow ParseStationLine(std::string_view line, int lineNo, const std::string& path) {
    const std::vector<std::string_view> fields = LineFields(line);
    const std::string where = "line " + std::to_string(lineNo);
    if (fields.size() < kStationFields) {
        throw platform::FileError(path, where + " has fewer than nine fields");
    }
    StationRow row;
    row.station = core::Int16Field(fields[0], path, "the station number of " + where);
    row.shape = core::Trim(fields[1]);
    row.tool = core::Trim(fields[2]);
    for (std::size_t i = 0; i < row.dims.size(); ++i) {
        row.dims[i] = numeric::LeadingNumber(fields[3 + i]);
    }
    row.angle = core::Trim(fields[7]);
    return row;
}

}  // namespace

std::string TurretFilePath(const core::Session& session, std::int16_t number) {
    return session.lib.TurretLibPrefix + numeric::IntText(number);
}

std::vector<StationRow> ParseTurret(std::string_view bytes, const core::Machine& machine,
                                    const std::string& path) {
    const std::vector<std::string> lines = core::SplitLines(bytes);
    const int count = machine.StationCount;
    std::vector<StationRow> rows;
    for (int k = 0; k < count; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const std::string trimmed = at < lines.size() ? core::Trim(lines[at]) : std::string();
        if (at >= lines.size() || trimmed == core::kEndMark) {
            throw platform::FileError(path, "the file holds " + std::to_string(k) +
                                                " station lines; the machine has " +
                                                std::to_string(count) + " stations");
        }
        StationRow row = ParseStationLine(lines[at], k + 1, path);
        row.typeIdx = core::TurretStationAt(machine, k + 1).type;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<StationRow> LoadTurret(const core::Session& session, std::int16_t number) {
    const std::string path = TurretFilePath(session, number);
    return ParseTurret(core::ReadRequired(session.os.fs, path), session.machine, path);
}

char StationShape(const StationRow& row) {
    if (row.shape.size() != 1) {
        return ' ';
    }
    for (const ShapeEntry& shape : kShapes) {
        if (shape.code == row.shape.front()) {
            return shape.code;
        }
    }
    return ' ';
}

std::string StationToolType(const StationRow& row) {
    const char code = StationShape(row);
    if (code == ' ') {
        return {};
    }
    return code == 'S' ? "Special   " : row.tool;
}

std::string StationToolSize(const StationRow& row, bool imperialDisplay, int imperialDecimals) {
    const char code = StationShape(row);
    if (code == ' ') {
        return {};
    }
    ToolRec rec;
    rec.Shape = code;
    rec.Descr = PaddedDescr(row.tool);
    for (std::size_t i = 0; i < rec.Dims.size(); ++i) {
        rec.Dims[i] = static_cast<float>(row.dims[i]);
    }
    return ToolSizeText(code, rec, imperialDisplay, imperialDecimals);
}

}  // namespace tooling::library
