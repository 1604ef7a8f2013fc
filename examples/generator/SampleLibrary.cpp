#include "examples/generator/SampleLibrary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>

#include "core/Machine.h"
#include "core/RecordBytes.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "library/SpecialDrawings.h"
#include "library/ToolRec.h"
#include "numeric/EvalExpr.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "tools/ShapeRules.h"

namespace tooling::examples {

namespace {

using library::ToolRec;

// The first record of a drawing file; the drawing program owns all of it but the name and the
// two extents.
constexpr std::size_t kDrawingRecordSize = 518;
constexpr std::size_t kDrawingNameAt = 2;
constexpr std::size_t kDrawingTextAt = 20;
constexpr std::size_t kDrawingTextWidth = 72;
constexpr std::size_t kExtentXAt = 150;
constexpr std::size_t kExtentYAt = 154;

constexpr double kMillimetresPerInch = 25.4;

struct SourceLine {
    int number = 0;
    std::vector<std::string> fields;  // trimmed
};

[[noreturn]] void Refuse(const SourceLine& line, const std::string& why) {
    throw SampleSourceError("line " + std::to_string(line.number) + ": " + why);
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t end = text.find(separator); end != std::string_view::npos;
         end = text.find(separator)) {
        parts.push_back(core::Trim(text.substr(0, end)));
        text.remove_prefix(end + 1);
    }
    parts.push_back(core::Trim(text));
    return parts;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    for (std::string& word : Split(text, ' ')) {
        if (!word.empty()) {
            words.push_back(std::move(word));
        }
    }
    return words;
}

double Value(const SourceLine& line, const std::string& text) {
    const std::optional<double> value = numeric::EvalExpr(text);
    if (!value || text.empty()) {
        Refuse(line, "\"" + text + "\" is not a number");
    }
    return *value;
}

std::int32_t WholeNumber(const SourceLine& line, const std::string& text, std::int32_t highest) {
    const double value = Value(line, text);
    if (value != std::floor(value) || value < 1 || value > highest) {
        Refuse(line, "\"" + text + "\" is not a whole number from 1 to " + std::to_string(highest));
    }
    return static_cast<std::int32_t>(value);
}

void ExpectFields(const SourceLine& line, std::size_t count) {
    if (line.fields.size() != count) {
        Refuse(line, "\"" + line.fields[0] + "\" takes " + std::to_string(count) + " fields");
    }
}

// The station types of a tool, named as the station list of a tool dialog shows them and in its
// order; the dialogs offer no type of kind 9 or less.
std::array<library::ToolStation, library::kToolStations> Stations(const SourceLine& line,
                                                                  const std::string& field,
                                                                  const core::Machine& machine) {
    std::array<library::ToolStation, library::kToolStations> stations{};
    const std::vector<std::string> names = Split(field, ',');
    if (names.size() > stations.size()) {
        Refuse(line, "a tool has at most 6 station types");
    }
    int previous = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        int position = 1;
        while (
            position <= machine.StationList[0] &&
            core::Trim(machine.StationTable[static_cast<std::size_t>(machine.StationList[position])]
                           .name) != names[i]) {
            ++position;
        }
        if (names[i].empty()) {
            Refuse(line, "a tool needs a station type");
        }
        if (position > machine.StationList[0]) {
            Refuse(line, "no station type \"" + names[i] + "\" in the station list");
        }
        const core::StationType& type =
            machine.StationTable[static_cast<std::size_t>(machine.StationList[position])];
        if (type.kind <= 9) {
            Refuse(line, "the tool dialogs do not offer station type \"" + names[i] + "\"");
        }
        if (position < previous) {
            Refuse(line, "station type \"" + names[i] + "\" comes earlier in the station list");
        }
        previous = position;
        stations[i] = {type.number, type.kind};
    }
    return stations;
}

std::array<float, library::kToolAngles> Angles(const SourceLine& line, const std::string& field) {
    std::array<float, library::kToolAngles> angles{};
    angles.fill(library::kNoAngle);
    const std::vector<std::string> words = Words(field);
    if (words.size() > angles.size()) {
        Refuse(line, "a tool has at most 6 angles");
    }
    double previous = -1;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const double angle = numeric::RoundHalfEven(Value(line, words[i]), 3);
        if (angle <= previous || angle >= 360) {
            Refuse(line, "the angles must ascend from 0 to below 360");
        }
        previous = angle;
        angles[i] = static_cast<float>(angle);
    }
    return angles;
}

// The dimensions of a tool of a numeric shape from the values typed into its dialog's boxes.
std::array<float, 4> ShapeDims(const SourceLine& line, char code, bool inches) {
    const tools::ShapeRule& rule = *tools::RuleOfCode(code);
    std::vector<std::string> words = Words(line.fields[1]);
    const bool keyRound = code == 'K' && !words.empty() && words.back() == "rounded";
    if (keyRound) {
        words.pop_back();
    }
    if (words.size() != static_cast<std::size_t>(rule.boxCount)) {
        Refuse(line, std::string(rule.descr) + " takes " + std::to_string(rule.boxCount) +
                         " dimension(s)");
    }
    std::vector<double> values;
    for (const std::string& word : words) {
        const double typed = std::fabs(Value(line, word));
        values.push_back(numeric::RoundHalfEven(inches ? typed * kMillimetresPerInch : typed, 3));
    }
    const std::optional<std::array<float, 4>> dims = tools::ShapeDims(code, values, keyRound);
    if (!dims) {
        Refuse(line, std::string(tools::DimensionMessage(rule)));
    }
    return *dims;
}

std::string DrawingBytes(std::string_view name, float x, float y) {
    std::string bytes(kDrawingRecordSize, '\0');
    core::RecordBytes out(bytes);
    out.PutText(kDrawingNameAt, name, library::kToolDescrWidth);
    out.PutText(kDrawingTextAt, "", kDrawingTextWidth);
    out.PutFloat(kExtentXAt, x);
    out.PutFloat(kExtentYAt, y);
    return bytes;
}

// What the source holds besides its tools: the unit of its lengths, the index, the drawings.
struct Drawings {
    bool inches = false;
    std::vector<library::DrawingEntry> index;
    std::map<std::int16_t, std::string> files;  // by drawing number
};

Drawings ReadDrawings(const std::vector<SourceLine>& lines) {
    Drawings drawings;
    for (const SourceLine& line : lines) {
        const std::string& kind = line.fields[0];
        if (kind == "units") {
            ExpectFields(line, 2);
            if (line.fields[1] != "inch" && line.fields[1] != "mm") {
                Refuse(line, "the units are \"inch\" or \"mm\"");
            }
            drawings.inches = line.fields[1] == "inch";
        } else if (kind == "index") {
            ExpectFields(line, 3);
            const std::string& name = line.fields[1];
            if (name.empty() || name.find_first_of("*,") != std::string::npos) {
                Refuse(line, "a drawing name is not empty and holds no \"*\" or \",\"");
            }
            const auto number = static_cast<std::int16_t>(
                WholeNumber(line, line.fields[2], library::kMaxToolRecords));
            drawings.index.push_back({name, number});
        }
    }
    for (const SourceLine& line : lines) {
        if (line.fields[0] != "drawing") {
            continue;
        }
        ExpectFields(line, 3);
        const auto number =
            static_cast<std::int16_t>(WholeNumber(line, line.fields[1], library::kMaxToolRecords));
        const std::vector<std::string> extents = Words(line.fields[2]);
        if (extents.size() != 2) {
            Refuse(line, "a drawing has an X and a Y extent");
        }
        const auto named = std::find_if(
            drawings.index.begin(), drawings.index.end(),
            [&](const library::DrawingEntry& entry) { return entry.number == number; });
        if (named == drawings.index.end()) {
            Refuse(line, "no index entry names drawing " + line.fields[1]);
        }
        const float x = static_cast<float>(Value(line, extents[0]));
        const float y = static_cast<float>(Value(line, extents[1]));
        if (!(x > 0 && y > 0)) {
            Refuse(line, "the extents of a drawing are above 0");
        }
        if (!drawings.files.emplace(number, DrawingBytes(named->name, x, y)).second) {
            Refuse(line, "drawing " + line.fields[1] + " is given twice");
        }
    }
    return drawings;
}

ToolRec Tool(const SourceLine& line, const Drawings& drawings, const core::Machine& machine) {
    ExpectFields(line, 5);
    const char code = line.fields[0][0];
    ToolRec rec;
    rec.Shape = code;
    if (code == 'S') {
        rec.Descr = library::PaddedDescr(line.fields[1]);
        const std::int16_t number = library::DrawingNumber(drawings.index, line.fields[1]);
        if (number == 0) {
            Refuse(line, "no index entry names \"" + line.fields[1] + "\"");
        }
        const auto file = drawings.files.find(number);
        const library::DrawingExtents extents = library::ExtentsFromBytes(
            file == drawings.files.end() ? std::string_view() : std::string_view(file->second));
        rec.Dims[0] = static_cast<float>(numeric::RoundHalfEven(extents.x, 2));
        rec.Dims[1] = static_cast<float>(numeric::RoundHalfEven(extents.y, 2));
    } else {
        rec.Descr = library::PaddedDescr(tools::RuleOfCode(code)->descr);
        rec.Dims = ShapeDims(line, code, drawings.inches);
    }
    rec.Stns = Stations(line, line.fields[2], machine);
    rec.Angles = Angles(line, line.fields[3]);
    rec.SettingsNo = WholeNumber(line, line.fields[4], std::numeric_limits<std::int32_t>::max());
    return rec;
}

bool IsToolLine(const std::string& kind) {
    return kind.size() == 1 && ((kind[0] >= 'A' && kind[0] <= 'M') || kind[0] == 'S');
}

std::vector<SourceLine> SourceLines(std::string_view source) {
    std::vector<SourceLine> lines;
    int number = 0;
    for (const std::string& text : core::SplitLines(source)) {
        ++number;
        const std::string trimmed = core::Trim(text);
        if (trimmed.empty() || trimmed[0] == '#') {
            continue;
        }
        SourceLine line{number, Split(trimmed, '|')};
        const std::string& kind = line.fields[0];
        if (!IsToolLine(kind) && kind != "units" && kind != "index" && kind != "drawing") {
            Refuse(line, "\"" + kind + "\" starts no line of a sample library");
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

std::vector<SampleFile> SampleLibraryFiles(std::string_view source, const std::string& libraryName,
                                           const core::Machine& machine) {
    const std::vector<SourceLine> lines = SourceLines(source);
    const Drawings drawings = ReadDrawings(lines);

    std::map<char, std::vector<ToolRec>> shapes;
    for (const SourceLine& line : lines) {
        if (!IsToolLine(line.fields[0])) {
            continue;
        }
        const char code = line.fields[0][0];
        ToolRec rec = Tool(line, drawings, machine);
        std::vector<ToolRec>& file = shapes[code];
        if (!file.empty() && library::SortsAfter(code, file.back(), rec)) {
            Refuse(line, "the tool sorts before the one above it");
        }
        if (file.size() == static_cast<std::size_t>(library::kMaxToolRecords)) {
            Refuse(line, "a tool file holds at most 32767 tools");
        }
        file.push_back(std::move(rec));
    }

    std::vector<SampleFile> files;
    for (const auto& [code, recs] : shapes) {
        SampleFile file{libraryName + "." + code, {}};
        for (const ToolRec& rec : recs) {
            file.bytes += library::ToolRecBytes(rec);
        }
        files.push_back(std::move(file));
    }
    std::vector<std::string> index;
    for (const library::DrawingEntry& entry : drawings.index) {
        index.push_back(entry.name + "," + numeric::PrintedNumber(entry.number));
    }
    files.push_back({libraryName + ".lkp", core::TextFileBytes(index)});
    for (const auto& [number, bytes] : drawings.files) {
        files.push_back({libraryName + "." + numeric::IntText(number), bytes});
    }
    return files;
}

}  // namespace tooling::examples
