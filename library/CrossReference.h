#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "library/ToolRec.h"
#include "library/TurretRows.h"

namespace tooling::core {
struct Machine;
struct Session;
}  // namespace tooling::core

namespace tooling::library {

// A turret station names its tool by text, not by record number: its shape code, its four
// dimensions as the turret file writes them (NumText at full precision) and, for a special
// tool, its trimmed name. Two keys are equal exactly when the station holds the tool.
std::string ToolKey(char shapeCode, const ToolRec& rec);
// The key of a station's tool; empty for a station that holds none.
std::string StationKey(const StationRow& row);

// One standard turret of the library as read for a command.
struct StandardTurret {
    std::string name;
    std::int16_t number = 0;
    std::vector<StationRow> rows;
};

// The standard turrets of the current library in index order, and a message for each one that
// could not be read (it is left out). A router machine has none.
struct StandardTurrets {
    std::vector<StandardTurret> turrets;
    std::vector<std::string> unreadable;
};

// Reads the index and then each turret file, each under its lock (the index's first); `progress`
// hears of each turret read. A library without an index has no turrets. Throws
// platform::FileError when the index cannot be read.
using TurretProgress = std::function<void(std::size_t done, std::size_t count)>;
StandardTurrets ReadStandardTurrets(const core::Session& session,
                                    const TurretProgress& progress = {});

// A station of one of the turrets: the turret's place in the list and the row's.
struct StationRef {
    std::size_t turret = 0;
    std::size_t row = 0;

    bool operator==(const StationRef&) const = default;
};

// The tool records of the shapes a command looked at: record n of a shape's file at index n - 1.
using ToolFiles = std::map<char, std::vector<ToolRec>>;

// Which stations of the turrets hold each valid tool of the files, and which stations hold a
// tool that none of them is. Built once per command; asks no file.
class CrossReference {
  public:
    CrossReference() = default;
    CrossReference(std::vector<StandardTurret> turrets, const ToolFiles& tools);

    const std::vector<StandardTurret>& turrets() const { return turrets_; }

    // The stations holding record `number` of the shape's file, turrets in index order and
    // stations in turret order; none for a record that is not a valid tool.
    const std::vector<StationRef>& Holders(char shapeCode, std::size_t number) const;

    // Whether the station holds a tool whose shape's file was given but which is none of its
    // valid tools.
    bool Stray(StationRef station) const;
    // Every such station, turrets in index order and stations in turret order.
    std::vector<StationRef> Strays() const;

    // The number of different turrets among the stations.
    std::size_t TurretCount(const std::vector<StationRef>& stations) const;
    // Each station as the turret's name and the station's label ("PRODUCTION T2"), joined by
    // ", ".
    std::string StationNames(const core::Machine& machine,
                             const std::vector<StationRef>& stations) const;

  private:
    std::vector<StandardTurret> turrets_;
    std::map<char, std::vector<std::vector<StationRef>>> holders_;
    // Per turret, per row: true when the row holds a tool of a shape given and no tool holds it.
    std::vector<std::vector<bool>> stray_;
};

// Per row of one turret: the row holds a tool that none of the library's tool files holds. Reads
// every shape's tool file; throws platform::FileError when one cannot be read.
std::vector<bool> StrayRows(const core::Session& session, const StandardTurret& turret);

// The label of a row's station as the turret editor shows it.
std::string StationLabel(const core::Machine& machine, const StationRow& row);

}  // namespace tooling::library
