#include "turrets/TurretFiles.h"

#include <charconv>
#include <memory>

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace tooling::turrets {

namespace {

using library::IndexLine;
using library::IndexLines;

constexpr int kMaxTurretNo = 32767;

std::string IndexBytes(const std::vector<IndexLine>& lines) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const IndexLine& line : lines) {
        texts.push_back(line.text);
    }
    return core::TextFileBytes(texts);
}

std::string EntryText(std::string_view name, std::int16_t number) {
    return core::Trim(name) + "," + numeric::PrintedNumber(number);
}

bool Carries(const std::vector<IndexLine>& lines, std::int16_t number) {
    for (const IndexLine& line : lines) {
        if (line.number == number) {
            return true;
        }
    }
    return false;
}

// The turret number a file name of the library stands for: the decimal digits after the
// library's prefix, without leading zeros, from 1 to 32,767.
std::optional<int> NumberOfFile(std::string_view fileName, std::string_view prefixName) {
    if (fileName.size() <= prefixName.size() ||
        !core::SameText(fileName.substr(0, prefixName.size()), prefixName)) {
        return std::nullopt;
    }
    const std::string_view digits = fileName.substr(prefixName.size());
    if (digits.size() > 5 || digits.front() == '0') {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value > kMaxTurretNo) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string IndexWithEntry(std::string_view bytes, std::string_view name, std::int16_t number) {
    const std::string key = core::Upper(core::Trim(name));
    std::vector<IndexLine> lines = IndexLines(bytes, false);
    std::size_t at = 0;
    while (at < lines.size() && core::Upper(lines[at].name) <= key) {
        ++at;
    }
    IndexLine entry;
    entry.text = EntryText(name, number);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    return IndexBytes(lines);
}

std::string IndexWithout(std::string_view bytes, std::int16_t number) {
    std::vector<IndexLine> lines = IndexLines(bytes, false);
    std::erase_if(lines, [number](const IndexLine& line) { return line.number == number; });
    return IndexBytes(lines);
}

std::optional<std::int16_t> FindTurret(const core::Session& session, std::string_view name) {
    const std::string trimmed = core::Trim(name);
    for (const TurretEntry& entry : ReadTurretIndex(session)) {
        if (core::SameText(entry.name, trimmed)) {
            return entry.number;
        }
    }
    return std::nullopt;
}

std::int16_t FreeTurretNo(const core::Session& session) {
    const std::string& prefix = session.lib.TurretLibPrefix;
    const std::size_t slash = prefix.rfind(platform::kSeparator);
    const std::string prefixName = slash == std::string::npos ? prefix : prefix.substr(slash + 1);
    std::vector<bool> taken(kMaxTurretNo + 1, false);
    for (const std::string& file : session.os.fs.List(prefix + "*", platform::ListFilter::Files)) {
        if (const std::optional<int> n = NumberOfFile(file, prefixName)) {
            taken[static_cast<std::size_t>(*n)] = true;
        }
    }
    for (int n = 1; n <= kMaxTurretNo; ++n) {
        if (!taken[static_cast<std::size_t>(n)]) {
            return static_cast<std::int16_t>(n);
        }
    }
    return 0;
}

void InsertTurretEntry(core::Session& session, std::string_view name, std::int16_t number) {
    platform::FileSystem& fs = session.os.fs;
    const std::string path = TurretIndexPath(session);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    fs.Replace(path, IndexWithEntry(core::ReadRequired(fs, path), name, number));
}

void RemoveTurretEntry(core::Session& session, std::int16_t number) {
    platform::FileSystem& fs = session.os.fs;
    const std::string path = TurretIndexPath(session);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    fs.Replace(path, IndexWithout(core::ReadRequired(fs, path), number));
}

std::string TurretText(const std::vector<StationRow>& rows) {
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const StationRow& row : rows) {
        std::string angle = core::Trim(row.angle);
        if (!row.shape.empty() && angle.empty()) {
            angle = "0";
        }
        std::string line = numeric::IntText(row.station) + "," + row.shape + "," + row.tool;
        for (const double dim : row.dims) {
            line += "," + numeric::NumText(dim, -1);
        }
        line += "," + angle + "," + numeric::IntText(row.typeIdx);
        lines.push_back(std::move(line));
    }
    return core::TextFileBytes(lines);
}

void SaveTurret(core::Session& session, std::int16_t number, const std::vector<StationRow>& rows) {
    platform::FileSystem& fs = session.os.fs;
    const std::string path = TurretFilePath(session, number);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    fs.Replace(path, TurretText(rows));
}

void CopyTurretFile(core::Session& session, std::int16_t source, std::int16_t target) {
    if (source == target) {
        return;
    }
    platform::FileSystem& fs = session.os.fs;
    const std::string bytes = core::ReadRequired(fs, TurretFilePath(session, source));
    const std::string path = TurretFilePath(session, target);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    fs.Replace(path, bytes);
}

void DeleteTurret(core::Session& session, std::int16_t number) {
    // The entry goes first: a turret file without an entry only keeps its number taken, while an
    // entry without its file would list a turret that cannot be opened.
    platform::FileSystem& fs = session.os.fs;
    const std::string index = TurretIndexPath(session);
    const auto lock = fs.Lock(index, core::kFileLockWait);
    fs.Replace(index, IndexWithout(core::ReadRequired(fs, index), number));
    const std::string path = TurretFilePath(session, number);
    if (fs.Exists(path, platform::ListFilter::Files)) {
        fs.DeleteFile(path);
    }
}

std::int16_t SaveNewTurret(core::Session& session, std::string_view name,
                           const std::vector<StationRow>& rows) {
    platform::FileSystem& fs = session.os.fs;
    const std::string index = TurretIndexPath(session);
    const auto lock = fs.Lock(index, core::kFileLockWait);
    const std::string bytes = core::ReadRequired(fs, index);
    const std::int16_t number = FreeTurretNo(session);
    if (number == 0) {
        return 0;
    }
    SaveTurret(session, number, rows);
    fs.Replace(index, IndexWithEntry(bytes, name, number));
    return number;
}

std::int16_t DuplicateTurret(core::Session& session, std::int16_t source, std::string_view name,
                             std::int16_t target) {
    platform::FileSystem& fs = session.os.fs;
    const std::string index = TurretIndexPath(session);
    const auto lock = fs.Lock(index, core::kFileLockWait);
    const std::string bytes = core::ReadRequired(fs, index);
    if (target == 0) {
        target = FreeTurretNo(session);
        if (target == 0) {
            return 0;
        }
    }
    CopyTurretFile(session, source, target);
    if (!Carries(IndexLines(bytes, false), target)) {
        fs.Replace(index, IndexWithEntry(bytes, name, target));
    }
    return target;
}

}  // namespace tooling::turrets
