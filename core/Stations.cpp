#include "core/Stations.h"

#include <algorithm>
#include <cmath>

#include "core/FieldReader.h"
#include "core/FileSteps.h"
#include "core/FileValues.h"
#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "platform/FileError.h"

namespace tooling::core {

namespace {

// The first field of the next record, trimmed; empty when the file has no further record.
std::string FirstField(FieldReader& in) {
    std::string first = Trim(in.Next());
    return (first == kEndMark || in.AtEnd()) ? std::string() : first;
}

void ReadStationTypes(Session& session) {
    Machine& m = session.machine;
    const std::string path = m.MachineDataPrefix + "stn";
    FieldReader in(ReadRequired(session.os.fs, path), path);
    std::vector<std::int16_t> listed;
    for (std::string first = FirstField(in); !first.empty(); first = FirstField(in)) {
        const double t = std::trunc(numeric::LeadingNumber(first));
        if (!(t >= 1 && t <= kMaxStationType)) {
            break;
        }
        StationType type;
        type.number = static_cast<std::int16_t>(t);
        type.name = Fixed(Trim(in.NextInRecord()), kStationNameWidth);
        type.kind = Int16Field(in.NextInRecord(), path, "kind of station type " + first);
        type.size1 = Millimetres(numeric::LeadingNumber(in.NextInRecord()), m.MachineImperial);
        type.size2 = Millimetres(numeric::LeadingNumber(in.NextInRecord()), m.MachineImperial);
        type.count = Int16Field(in.NextInRecord(), path, "count of station type " + first);
        type.countCopy = type.count;
        m.StationTable[static_cast<std::size_t>(type.number)] = type;
        // A repeated type replaces the earlier record, in the list as in the table.
        std::erase(listed, type.number);
        if (type.count >= 1 && (type.kind < 1 || type.kind > 9)) {
            listed.push_back(type.number);
        }
    }
    m.StationList[0] = static_cast<std::int16_t>(listed.size());
    std::copy(listed.begin(), listed.end(), m.StationList.begin() + 1);
}

void ReadTurretStations(Session& session) {
    Machine& m = session.machine;
    const std::string path = m.MachineDataPrefix + "trt";
    FieldReader in(ReadRequired(session.os.fs, path), path);
    for (std::string first = FirstField(in); !first.empty(); first = FirstField(in)) {
        TurretStation station;
        const std::optional<std::int16_t> number = TruncatedInt16(first);
        if (!number) {
            throw platform::FileError(path, "station \"" + first + "\" is outside -32768 to 32767");
        }
        station.station = *number;
        station.second = Int16Field(in.NextInRecord(), path, "station " + first);
        const std::string typeField = in.NextInRecord();
        station.type = Int16Field(typeField, path, "type of station " + first);
        if (station.type < 0 || station.type > kMaxStationType) {
            throw platform::FileError(
                path, "station " + first + ": type \"" + Trim(typeField) + "\" is outside 0 to 64");
        }
        station.kind = m.StationTable[static_cast<std::size_t>(station.type)].kind;
        station.label = in.NextInRecord();
        station.fifth = in.NextInRecord();
        station.valid = true;
        m.TurretStations.push_back(std::move(station));
    }
}

}  // namespace

void ReadStations(Session& session) {
    Machine& m = session.machine;
    m.StationTable.fill(StationType{});
    m.StationList.fill(0);
    m.TurretStations.assign(1, TurretStation{});
    ReadStationTypes(session);
    if (m.TurretMachine) {
        ReadTurretStations(session);
    }
}

const TurretStation& TurretStationAt(const Machine& machine, int row) {
    static const TurretStation kEmpty;
    if (row < 1 || static_cast<std::size_t>(row) >= machine.TurretStations.size()) {
        return kEmpty;
    }
    return machine.TurretStations[static_cast<std::size_t>(row)];
}

}  // namespace tooling::core
