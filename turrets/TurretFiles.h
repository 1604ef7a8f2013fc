#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/TurretIndex.h"
#include "library/TurretRows.h"

namespace tooling::core {
struct Machine;
struct Session;
}  // namespace tooling::core

namespace tooling::turrets {

// The station lines and the index of a turret file are read in library/, where the turret sheet
// and the cross-reference of tools and turrets read them as well.
using library::LoadTurret;
using library::ParseTurret;
using library::ParseTurretIndex;
using library::ReadTurretIndex;
using library::StationRow;
using library::TurretEntry;
using library::TurretFilePath;
using library::TurretIndexPath;

// The turret files of the current library: the index (TurretLibPrefix + "lkp"), the empty
// turret (+ "0") and turret n (+ n). Every rewrite is atomic; the index is rewritten under its
// lock, and a turret file under its own (index first when both are held).

// The index's bytes rewritten with the entry "name, number " in the sorted place of its
// upper-cased name, or without the entries of `number`. Lines without a comma are dropped; the
// entries after them are kept. Lines after "******", an empty line or an unterminated last line
// are dropped.
std::string IndexWithEntry(std::string_view bytes, std::string_view name, std::int16_t number);
std::string IndexWithout(std::string_view bytes, std::int16_t number);

// The number of the first entry whose name equals the trimmed name without regard to case.
std::optional<std::int16_t> FindTurret(const core::Session& session, std::string_view name);
// The smallest n >= 1 with no turret file n; 0 when every number up to 32,767 is taken.
std::int16_t FreeTurretNo(const core::Session& session);
void InsertTurretEntry(core::Session& session, std::string_view name, std::int16_t number);
void RemoveTurretEntry(core::Session& session, std::int16_t number);

// The bytes SaveTurret writes for the rows.
std::string TurretText(const std::vector<StationRow>& rows);

void SaveTurret(core::Session& session, std::int16_t number, const std::vector<StationRow>& rows);

// Replaces turret `target` by a copy of turret `source`; nothing happens when they are one.
void CopyTurretFile(core::Session& session, std::int16_t source, std::int16_t target);
// Removes the entries of `number` from the index, then its file.
void DeleteTurret(core::Session& session, std::int16_t number);

// Saves the rows as a new turret under the smallest free number and adds its index entry, both
// under the index's lock, so instances saving at the same time never share a number. Returns
// the number, or 0 (writing nothing) when no number is free.
std::int16_t SaveNewTurret(core::Session& session, std::string_view name,
                           const std::vector<StationRow>& rows);

// Copies turret `source` to `target`, or to a new number when `target` is 0, and adds the entry
// of `name` unless an index line carries the target number already; under the index's lock.
// Returns the target, or 0 (writing nothing) when no number is free.
std::int16_t DuplicateTurret(core::Session& session, std::int16_t source, std::string_view name,
                             std::int16_t target);

}  // namespace tooling::turrets
