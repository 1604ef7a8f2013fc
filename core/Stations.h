#pragma once

#include "core/Machine.h"

namespace tooling::core {

struct Session;

// Fills StationTable, StationList and TurretStations from the machine's "stn" and (on a
// turret machine) "trt" files. MachineDataPrefix, MachineImperial and TurretMachine must be
// set. Throws platform::FileError for a missing file, a 16-bit field that overflows, a record
// cut short by the end of the file, or a turret-station type outside 0 to 64.
void ReadStations(Session& session);

// The turret station of a row counted from 1; an empty entry (not valid, type 0) for a row the
// turret-station file did not fill, so a StationCount larger than the file is safe to walk.
const TurretStation& TurretStationAt(const Machine& machine, int row);

}  // namespace tooling::core
