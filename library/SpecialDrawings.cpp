#include "library/SpecialDrawings.h"

#include <algorithm>
#include <cmath>

#include "core/FileSteps.h"
#include "core/RecordBytes.h"
#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace tooling::library {

namespace {

constexpr std::size_t kDrawingRecordSize = 518;
constexpr std::size_t kExtentXAt = 150;
constexpr std::size_t kExtentYAt = 154;

// One line of the index as read: the name, and the drawing number when the line names one.
struct IndexLine {
    std::string name;
    std::int16_t number = 0;
};

IndexLine ParseIndexLine(std::string_view line) {
    IndexLine entry;
    const std::size_t comma = line.find(',');
    entry.name = core::Trim(line.substr(0, comma));
    if (entry.name.size() >= 2 && entry.name.front() == '"' && entry.name.back() == '"') {
        entry.name = core::Trim(std::string_view(entry.name).substr(1, entry.name.size() - 2));
    }
    if (comma == std::string_view::npos) {
        return entry;
    }
    const std::string_view rest = line.substr(comma + 1);
    if (rest.find_first_of("0123456789") == std::string_view::npos) {
        return entry;
    }
    const std::optional<std::int16_t> number = numeric::NearestInt16(numeric::LeadingNumber(rest));
    if (number && *number >= 1) {
        entry.number = *number;
    }
    return entry;
}

std::string IndexPath(const core::Session& session) {
    return session.lib.ToolLibPrefix + "lkp";
}

// The index's lines up to the one that ends it (a name holding "*"), trimmed, empty ones left out.
std::vector<std::string> EntryLines(std::string_view bytes) {
    std::vector<std::string> lines;
    for (const std::string& raw : core::SplitLines(bytes)) {
        std::string line = core::Trim(raw);
        if (ParseIndexLine(line).name.find('*') != std::string::npos) {
            break;
        }
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::string ReadIndexBytes(const core::Session& session) {
    const platform::FileSystem& fs = session.os.fs;
    const std::string path = IndexPath(session);
    return fs.Exists(path, platform::ListFilter::Files) ? fs.ReadAll(path) : std::string();
}

}  // namespace

std::vector<DrawingEntry> ReadDrawingIndex(const core::Session& session) {
    std::vector<DrawingEntry> entries;
    for (const std::string& line : EntryLines(ReadIndexBytes(session))) {
        IndexLine entry = ParseIndexLine(line);
        if (entry.number >= 1) {
            entries.push_back({std::move(entry.name), entry.number});
        }
    }
    return entries;
}

std::string DrawingPath(const core::Session& session, std::int16_t number) {
    return session.lib.ToolLibPrefix + numeric::IntText(number);
}

std::int16_t DrawingNumber(const std::vector<DrawingEntry>& index, std::string_view name) {
    const auto found = std::find_if(index.begin(), index.end(),
                                    [&](const DrawingEntry& entry) { return entry.name == name; });
    return found == index.end() ? std::int16_t{0} : found->number;
}

DrawingExtents ExtentsFromBytes(std::string_view bytes) {
    if (bytes.size() < kDrawingRecordSize) {
        return {};
    }
    const core::RecordView in(bytes);
    const float x = in.Float(kExtentXAt);
    const float y = in.Float(kExtentYAt);
    if (!std::isfinite(x) || !std::isfinite(y) || x <= 0.0F || y <= 0.0F) {
        return {};
    }
    return {x, y};
}

DrawingExtents ReadDrawingExtents(const core::Session& session, std::string_view name) {
    const std::int16_t number = DrawingNumber(ReadDrawingIndex(session), name);
    if (number < 1) {
        return {};
    }
    const platform::FileSystem& fs = session.os.fs;
    const std::string path = DrawingPath(session, number);
    try {
        if (fs.Exists(path, platform::ListFilter::Files)) {
            return ExtentsFromBytes(fs.ReadAll(path));
        }
    } catch (const platform::FileError&) {
        // An unreadable drawing counts as a missing one.
    }
    return {};
}

void RemoveDrawings(core::Session& session, const std::vector<std::string>& names) {
    if (names.empty()) {
        return;
    }
    platform::FileSystem& fs = session.os.fs;
    const std::string path = IndexPath(session);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    std::vector<std::string> kept;
    std::vector<std::int16_t> drawings;
    for (const std::string& line : EntryLines(ReadIndexBytes(session))) {
        const IndexLine entry = ParseIndexLine(line);
        if (std::find(names.begin(), names.end(), entry.name) == names.end()) {
            kept.push_back(
                entry.number >= 1 ? entry.name + "," + numeric::PrintedNumber(entry.number) : line);
        } else if (entry.number >= 1) {
            drawings.push_back(entry.number);
        }
    }
    core::WriteTextFile(fs, path, kept);
    for (const std::int16_t number : drawings) {
        const std::string drawing = DrawingPath(session, number);
        if (fs.Exists(drawing, platform::ListFilter::Files)) {
            fs.DeleteFile(drawing);
        }
    }
}

}  // namespace tooling::library
