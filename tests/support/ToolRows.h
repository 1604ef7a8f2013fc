#pragma once

#include <map>
#include <string>
#include <vector>

#include "library/ToolRec.h"
#include "tests/support/DataRows.h"
#include "tests/support/TempDir.h"

namespace tooling::test {

// The tool records of a data file, a row each: shape | description | the four dimensions | the
// stations as "type/kind" items | the angles. Every record has settings number 1.
inline std::vector<library::ToolRec> ToolRowsOf(const std::string& path) {
    std::vector<library::ToolRec> recs;
    for (const DataRow& row : ReadDataRows(path)) {
        library::ToolRec& rec = recs.emplace_back();
        rec.Shape = row.fields.at(0).at(0);
        rec.Descr = library::PaddedDescr(row.fields.at(1));
        rec.Dims = DimsOf(row.fields.at(2));
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
        rec.SettingsNo = 1;
    }
    return recs;
}

// Writes the tool file of each shape among `recs` (the library's prefix `prefix` and the shape
// code), holding that shape's records in their order.
inline void WriteToolFiles(const std::string& prefix, const std::vector<library::ToolRec>& recs) {
    std::map<char, std::string> files;
    for (const library::ToolRec& rec : recs) {
        files[rec.Shape] += library::ToolRecBytes(rec);
    }
    for (const auto& [shape, bytes] : files) {
        WriteFile(prefix + shape, bytes);
    }
}

}  // namespace tooling::test
