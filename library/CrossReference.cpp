#include "library/CrossReference.h"

#include <set>
#include <unordered_map>

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Stations.h"
#include "core/Text.h"
#include "library/ShapeTable.h"
#include "library/ToolFile.h"
#include "library/TurretIndex.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"

namespace tooling::library {

namespace {

// The key's head: the shape code and the first dimension. Most tools differ there already, so
// the other three dimensions are written only for the tools that some station shares it with.
std::string KeyHead(char shapeCode, const std::string& firstDim) {
    std::string head(1, shapeCode);
    head += ',';
    head += firstDim;
    return head;
}

// The text of dimension i; a dimension equal to the one before it (a Diameter's second) or zero
// (one the shape does not use) is not written again.
template <typename Dims>
std::string DimText(const Dims& dims, std::size_t i, const std::string& before) {
    if (dims[i] == 0) {
        return "0";
    }
    return i > 0 && dims[i] == dims[i - 1] ? before : numeric::NumText(dims[i], -1);
}

template <typename Dims>
std::string KeyTail(char shapeCode, const Dims& dims, const std::string& firstDim,
                    const std::string& name) {
    std::string tail;
    std::string text = firstDim;
    for (std::size_t i = 1; i < dims.size(); ++i) {
        text = DimText(dims, i, text);
        tail += ',';
        tail += text;
    }
    if (shapeCode == 'S') {
        tail += ',';
        tail += name;
    }
    return tail;
}

const std::vector<StationRef> kNone;

}  // namespace

std::string ToolKey(char shapeCode, const ToolRec& rec) {
    const std::string first = DimText(rec.Dims, 0, {});
    return KeyHead(shapeCode, first) + KeyTail(shapeCode, rec.Dims, first, core::Trim(rec.Descr));
}

std::string StationKey(const StationRow& row) {
    const char code = StationShape(row);
    if (code == ' ') {
        return {};
    }
    const std::string first = DimText(row.dims, 0, {});
    return KeyHead(code, first) + KeyTail(code, row.dims, first, core::Trim(row.tool));
}

StandardTurrets ReadStandardTurrets(const core::Session& session, const TurretProgress& progress) {
    StandardTurrets read;
    if (session.machine.RouterMachine) {
        return read;
    }
    platform::FileSystem& fs = session.os.fs;
    const std::string indexPath = TurretIndexPath(session);
    if (!fs.Exists(indexPath, platform::ListFilter::Files)) {
        return read;  // no turret has been saved in this library
    }
    const auto indexLock = fs.Lock(indexPath, core::kFileLockWait);
    const std::vector<TurretEntry> index = ParseTurretIndex(fs.ReadAll(indexPath));
    for (std::size_t done = 0; done < index.size(); ++done) {
        const TurretEntry& entry = index[done];
        try {
            const std::string path = TurretFilePath(session, entry.number);
            const auto lock = fs.Lock(path, core::kFileLockWait);
            read.turrets.push_back(
                {entry.name, entry.number,
                 ParseTurret(core::ReadRequired(fs, path), session.machine, path)});
        } catch (const platform::FileError& error) {
            read.unreadable.push_back("turret \"" + entry.name +
                                      "\" cannot be read: " + error.what());
        }
        if (progress) {
            progress(done + 1, index.size());
        }
    }
    return read;
}

CrossReference::CrossReference(std::vector<StandardTurret> turrets, const ToolFiles& tools)
    : turrets_(std::move(turrets)) {
    // Every station with a tool under its key head, then its tail.
    std::unordered_map<std::string, std::vector<std::pair<std::string, StationRef>>> byHead;
    stray_.resize(turrets_.size());
    std::size_t stations = 0;
    for (const StandardTurret& turret : turrets_) {
        stations += turret.rows.size();
    }
    byHead.reserve(stations);
    for (std::size_t t = 0; t < turrets_.size(); ++t) {
        const std::vector<StationRow>& rows = turrets_[t].rows;
        stray_[t].assign(rows.size(), false);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const char code = StationShape(rows[r]);
            if (code == ' ' || !tools.contains(code)) {
                continue;
            }
            stray_[t][r] = true;
            const std::string first = DimText(rows[r].dims, 0, {});
            byHead[KeyHead(code, first)].push_back(
                {KeyTail(code, rows[r].dims, first, core::Trim(rows[r].tool)), StationRef{t, r}});
        }
    }
    for (const auto& [code, recs] : tools) {
        std::vector<std::vector<StationRef>>& holders = holders_[code];
        holders.resize(recs.size());
        for (std::size_t i = 0; i < recs.size(); ++i) {
            if (byHead.empty() || !ValidTool(code, recs[i])) {
                continue;
            }
            const std::string first = DimText(recs[i].Dims, 0, {});
            const auto found = byHead.find(KeyHead(code, first));
            if (found == byHead.end()) {
                continue;
            }
            const std::string tail = KeyTail(code, recs[i].Dims, first, core::Trim(recs[i].Descr));
            for (const auto& [stationTail, station] : found->second) {
                if (stationTail == tail) {
                    holders[i].push_back(station);
                    stray_[station.turret][station.row] = false;
                }
            }
        }
    }
}

const std::vector<StationRef>& CrossReference::Holders(char shapeCode, std::size_t number) const {
    const auto file = holders_.find(shapeCode);
    if (file == holders_.end() || number < 1 || number > file->second.size()) {
        return kNone;
    }
    return file->second[number - 1];
}

bool CrossReference::Stray(StationRef station) const {
    return station.turret < stray_.size() && station.row < stray_[station.turret].size() &&
           stray_[station.turret][station.row];
}

std::vector<StationRef> CrossReference::Strays() const {
    std::vector<StationRef> strays;
    for (std::size_t t = 0; t < stray_.size(); ++t) {
        for (std::size_t r = 0; r < stray_[t].size(); ++r) {
            if (stray_[t][r]) {
                strays.push_back({t, r});
            }
        }
    }
    return strays;
}

std::size_t CrossReference::TurretCount(const std::vector<StationRef>& stations) const {
    std::set<std::size_t> turrets;
    for (const StationRef& station : stations) {
        turrets.insert(station.turret);
    }
    return turrets.size();
}

std::string CrossReference::StationNames(const core::Machine& machine,
                                         const std::vector<StationRef>& stations) const {
    std::string names;
    for (const StationRef& station : stations) {
        const StandardTurret& turret = turrets_[station.turret];
        names += (names.empty() ? "" : ", ") + turret.name + " " +
                 StationLabel(machine, turret.rows[station.row]);
    }
    return names;
}

std::vector<bool> StrayRows(const core::Session& session, const StandardTurret& turret) {
    ToolFiles tools;
    for (const ShapeEntry& shape : kShapes) {
        tools[shape.code] = ReadToolFile(session, shape.code);
    }
    const CrossReference crossReference({turret}, tools);
    std::vector<bool> stray(turret.rows.size());
    for (std::size_t r = 0; r < stray.size(); ++r) {
        stray[r] = crossReference.Stray({0, r});
    }
    return stray;
}

std::string StationLabel(const core::Machine& machine, const StationRow& row) {
    return core::TurretStationAt(machine, row.station).label;
}

}  // namespace tooling::library
