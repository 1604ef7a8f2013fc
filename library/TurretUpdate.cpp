#include "library/TurretUpdate.h"

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/CrossReference.h"
#include "library/TurretIndex.h"
#include "library/TurretRows.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"

namespace tooling::library {

namespace {

constexpr std::size_t kKeptFromField = 7;  // the angle and what follows it

// The byte ranges of the lines of a text, each without its line end (CR LF, LF or CR).
std::vector<std::pair<std::size_t, std::size_t>> LineSpans(std::string_view bytes) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            spans.emplace_back(start, bytes.size());
            break;
        }
        spans.emplace_back(start, end);
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return spans;
}

// The station line holding `now`: the first field and the fields from the angle on as the line
// has them.
std::string StationLine(std::string_view line, char shapeCode, const ToolRec& now) {
    std::size_t comma = line.find(',');
    std::string text(line.substr(0, comma));
    text += ',';
    text += shapeCode;
    text += ',' + core::Trim(now.Descr);
    for (const float dim : now.Dims) {
        text += ',' + numeric::NumText(dim, -1);
    }
    for (std::size_t field = 1; field < kKeptFromField; ++field) {
        comma = line.find(',', comma + 1);
    }
    text += line.substr(comma);
    return text;
}

}  // namespace

std::string TurretWithTool(std::string_view bytes, const core::Machine& machine,
                           const std::string& path, char shapeCode, const ToolRec& old,
                           const ToolRec& now, int& changed) {
    changed = 0;
    const std::vector<StationRow> rows = ParseTurret(bytes, machine, path);
    const std::vector<std::pair<std::size_t, std::size_t>> spans = LineSpans(bytes);
    const std::string oldKey = ToolKey(shapeCode, old);
    std::string result;
    std::size_t copied = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (StationKey(rows[r]) != oldKey) {
            continue;
        }
        const auto [start, end] = spans[r];
        result.append(bytes.substr(copied, start - copied));
        result += StationLine(bytes.substr(start, end - start), shapeCode, now);
        copied = end;
        ++changed;
    }
    result.append(bytes.substr(copied));
    return result;
}

TurretUpdate UpdateHoldingStations(core::Session& session, char shapeCode, const ToolRec& old,
                                   const ToolRec& now) {
    TurretUpdate update;
    if (session.machine.RouterMachine) {
        return update;
    }
    platform::FileSystem& fs = session.os.fs;
    const std::string indexPath = TurretIndexPath(session);
    const auto indexLock = fs.Lock(indexPath, core::kFileLockWait);
    for (const TurretEntry& entry : ParseTurretIndex(core::ReadRequired(fs, indexPath))) {
        try {
            const std::string path = TurretFilePath(session, entry.number);
            const auto lock = fs.Lock(path, core::kFileLockWait);
            int changed = 0;
            const std::string bytes = TurretWithTool(core::ReadRequired(fs, path), session.machine,
                                                     path, shapeCode, old, now, changed);
            if (changed > 0) {
                fs.Replace(path, bytes);
                update.stations += changed;
            }
        } catch (const platform::FileError&) {
            update.failed.push_back(entry.name);
        }
    }
    return update;
}

}  // namespace tooling::library
