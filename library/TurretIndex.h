#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::library {

// The turret index of a library (TurretLibPrefix + "lkp"): one "name, number " line per saved
// turret. Read here, below the turret commands, so the cross-reference of tools and turrets can
// list the turrets too.

// One entry of the index.
struct TurretEntry {
    std::string name;
    std::int16_t number;

    bool operator==(const TurretEntry&) const = default;
};

// One line of the index as a rewrite keeps it: the trimmed line, its name and its number (none
// when the text after the comma is no 16-bit number).
struct IndexLine {
    std::string text;
    std::string name;
    std::optional<std::int16_t> number;
};

// The lines of the index's bytes up to "******", an empty line or the last line (a last line not
// followed by the terminator is not used); `stopAtMalformed` ends them at a line without a comma,
// otherwise such a line is skipped.
std::vector<IndexLine> IndexLines(std::string_view bytes, bool stopAtMalformed);

std::string TurretIndexPath(const core::Session& session);

// The entries of an index's bytes in file order, up to the first line without a comma. Entries
// whose number is not above 0 (or does not fit 16 bits) are left out.
std::vector<TurretEntry> ParseTurretIndex(std::string_view bytes);

// The index of the current library. Throws platform::FileError when it is missing or unreadable.
std::vector<TurretEntry> ReadTurretIndex(const core::Session& session);

}  // namespace tooling::library
