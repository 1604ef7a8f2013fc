#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/DefaultToolRec.h"
#include "library/DefaultTools.h"
#include "library/ToolRec.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/TempDir.h"

namespace tooling::test {

// A tool of the shape with the station types (and their kinds) and angles given; a Diameter
// tool stores the angle 0.
inline library::ToolRec Tool(char shape, const std::string& descr, std::array<float, 4> dims,
                             std::initializer_list<std::pair<int, int>> stations,
                             std::initializer_list<float> angles = {},
                             std::int32_t settingsNo = 1) {
    library::ToolRec rec;
    rec.Shape = shape;
    rec.Descr = library::PaddedDescr(descr);
    rec.Dims = dims;
    std::size_t i = 0;
    for (const auto& [type, kind] : stations) {
        rec.Stns.at(i++) = {static_cast<std::int16_t>(type), static_cast<std::int16_t>(kind)};
    }
    std::copy(angles.begin(), angles.end(), rec.Angles.begin());
    rec.SettingsNo = settingsNo;
    return rec;
}

// The bytes of a tool file holding these records, in this order.
inline std::string ToolFileBytes(const std::vector<library::ToolRec>& recs) {
    std::string bytes;
    for (const library::ToolRec& rec : recs) {
        bytes += library::ToolRecBytes(rec);
    }
    return bytes;
}

// A defaults file of these records, each a record number and a shape.
inline std::string DefaultsBytes(const std::vector<std::pair<int, char>>& records) {
    std::string bytes;
    for (const auto& [recordNo, shape] : records) {
        core::DefaultToolRec rec;
        rec.recordNo = static_cast<std::int16_t>(recordNo);
        rec.shape = shape;
        bytes += library::EncodeDefault(rec);
    }
    return bytes;
}

// The tool records of the data file golden/tools/<name>.txt of the test program, a row each:
// shape | description | the four dimensions | the stations as "type/kind" items | the angles, and
// the settings number where it is not 1.
inline std::vector<library::ToolRec> ToolRows(const std::string& name) {
    std::vector<library::ToolRec> recs;
    for (const DataRow& row :
         ReadDataRows(std::string(TOOLING_GOLDEN_DIR) + "/tools/" + name + ".txt")) {
        library::ToolRec& rec = recs.emplace_back(
            Tool(row.fields.at(0).at(0), row.fields.at(1), DimsOf(row.fields.at(2)), {}, {},
                 row.fields.size() > 5 ? static_cast<std::int32_t>(NumberOf(row.fields[5])) : 1));
        std::size_t at = 0;
        for (const std::string& station : Split(row.fields.at(3), ' ')) {
            if (!station.empty()) {
                const std::vector<std::string> typeKind = Split(station, '/');
                rec.Stns.at(at++) = {static_cast<std::int16_t>(NumberOf(typeKind.at(0))),
                                     static_cast<std::int16_t>(NumberOf(typeKind.at(1)))};
            }
        }
        at = 0;
        for (const double angle : NumbersOf(row.fields.at(4))) {
            rec.Angles.at(at++) = static_cast<float>(angle);
        }
    }
    return recs;
}

// Writes the tool file of each shape among the records of that data file (the library's prefix
// `prefix` and the shape code), holding that shape's records in their order.
inline void WriteToolRows(const std::string& prefix, const std::string& name) {
    std::map<char, std::vector<library::ToolRec>> files;
    for (const library::ToolRec& rec : ToolRows(name)) {
        files[rec.Shape].push_back(rec);
    }
    for (const auto& [shape, recs] : files) {
        WriteFile(prefix + shape, ToolFileBytes(recs));
    }
}

}  // namespace tooling::test
