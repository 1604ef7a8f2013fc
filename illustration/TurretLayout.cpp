#include "illustration/TurretLayout.h"

#include <charconv>
#include <cmath>
#include <set>

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Stations.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace tooling::illustration {

namespace {

// 64 stations take about 1.5 KiB.
constexpr std::uint64_t kLargestFile = 64 * 1024;
constexpr int kLayoutDecimals = 2;
// Holder sizes outside this range come from a damaged station table.
constexpr double kSmallestHolder = 3;
constexpr double kLargestHolder = 500;
constexpr double kUsualHolder = 12.7;

std::optional<double> Coordinate(std::string_view field) {
    const std::string text = core::Trim(field);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value) ||
        std::fabs(value) > kLayoutReach) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> StationNumber(std::string_view field) {
    const std::string text = core::Trim(field);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

bool UsableHolder(double size) {
    return std::isfinite(size) && size >= kSmallestHolder && size <= kLargestHolder;
}

}  // namespace

std::string LayoutPath(const core::Session& session) {
    return session.inst.ProgramDir + "Tooling" + platform::kSeparator +
           session.machine.MachineFolder + ".layout";
}

std::optional<TurretLayout> ParseLayout(std::string_view bytes, const core::Machine& machine) {
    const int count = machine.StationCount;
    TurretLayout layout(static_cast<std::size_t>(std::max(count, 0)));
    std::set<int> seen;
    for (const std::string& line : core::ListLines(bytes)) {
        std::vector<std::string_view> fields;
        std::string_view rest = line;
        for (std::size_t comma = rest.find(','); comma != std::string_view::npos;
             comma = rest.find(',')) {
            fields.push_back(rest.substr(0, comma));
            rest.remove_prefix(comma + 1);
        }
        fields.push_back(rest);
        if (fields.size() != 3) {
            return std::nullopt;
        }
        const std::optional<int> station = StationNumber(fields[0]);
        const std::optional<double> x = Coordinate(fields[1]);
        const std::optional<double> y = Coordinate(fields[2]);
        if (!station || !x || !y || *station < 1 || *station > count ||
            !seen.insert(*station).second) {
            return std::nullopt;
        }
        layout[static_cast<std::size_t>(*station - 1)] = {static_cast<std::int16_t>(*station), *x,
                                                          *y};
    }
    if (static_cast<int>(seen.size()) != count) {
        return std::nullopt;
    }
    return layout;
}

std::string LayoutBytes(const TurretLayout& layout) {
    std::vector<std::string> lines;
    lines.reserve(layout.size());
    for (const StationSpot& spot : layout) {
        lines.push_back(numeric::IntText(spot.station) + "," +
                        numeric::NumText(spot.x, kLayoutDecimals) + "," +
                        numeric::NumText(spot.y, kLayoutDecimals));
    }
    return core::TextFileBytes(lines);
}

TurretLayout LoadLayout(const core::Session& session) {
    const platform::FileSystem& fs = session.os.fs;
    const std::string path = LayoutPath(session);
    try {
        if (fs.Exists(path, platform::ListFilter::Files) && fs.Length(path) <= kLargestFile) {
            if (auto saved = ParseLayout(fs.ReadAll(path), session.machine)) {
                return *std::move(saved);
            }
        }
    } catch (const platform::FileError&) {
        // An unreadable layout is only a picture lost: the default stands in for it.
    }
    return DefaultLayout(session.machine);
}

void SaveLayout(core::Session& session, const TurretLayout& layout) {
    platform::FileSystem& fs = session.os.fs;
    core::MakeDirIfMissing(fs, session.inst.ProgramDir + "Tooling");
    const std::string path = LayoutPath(session);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    fs.Replace(path, LayoutBytes(layout));
}

double StationDiameter(const core::Machine& machine, std::int16_t station) {
    const std::int16_t type = core::TurretStationAt(machine, station).type;
    if (type >= 1 && type <= core::kMaxStationType &&
        UsableHolder(machine.StationTable[static_cast<std::size_t>(type)].size1)) {
        return machine.StationTable[static_cast<std::size_t>(type)].size1;
    }
    double smallest = 0;
    for (int row = 1; row <= machine.StationCount; ++row) {
        const std::int16_t other = core::TurretStationAt(machine, row).type;
        if (other >= 1 && other <= core::kMaxStationType) {
            const double size = machine.StationTable[static_cast<std::size_t>(other)].size1;
            if (UsableHolder(size) && (smallest == 0 || size < smallest)) {
                smallest = size;
            }
        }
    }
    return smallest > 0 ? smallest : kUsualHolder;
}

}  // namespace tooling::illustration
