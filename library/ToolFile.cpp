#include "library/ToolFile.h"

#include <algorithm>

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/SpecialDrawings.h"
#include "platform/FileSystem.h"

namespace tooling::library {

namespace {

// For each record of the old file (index n - 1 for record n), its number in the new file, or 0
// when the rewrite leaves it out.
using NewNumbers = std::vector<int>;

std::string ReadBytes(const platform::FileSystem& fs, const std::string& path) {
    return fs.Exists(path, platform::ListFilter::Files) ? fs.ReadAll(path) : std::string();
}

std::string_view RecordAt(std::string_view bytes, std::size_t i) {
    return bytes.substr(i * kToolRecSize, kToolRecSize);
}

// A special tool added or replaced also needs a first station type.
bool Kept(char shapeCode, std::string_view rec, bool inserting) {
    return ValidRecord(shapeCode, rec) &&
           !(inserting && shapeCode == 'S' && ToolRecFromBytes(rec).Stns[0].StnType <= 0);
}

// Keeps, in place and in order, the whole records of the file's bytes that pass `keep` (given the
// record and its number); a last record cut short goes too. Returns the new number of each old
// record.
template <typename Keep>
NewNumbers Compact(std::string& bytes, Keep keep) {
    const std::size_t count = bytes.size() / kToolRecSize;
    NewNumbers moved(count, 0);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!keep(RecordAt(bytes, i), static_cast<int>(i) + 1)) {
            continue;
        }
        if (kept != i) {
            bytes.replace(kept * kToolRecSize, kToolRecSize, RecordAt(bytes, i));
        }
        moved[i] = static_cast<int>(++kept);
    }
    bytes.resize(kept * kToolRecSize);
    return moved;
}

// Puts `added` into the file's bytes after the records that do not sort after it, leaving out
// record `old` and the records a rewrite drops. Returns the new numbers; `pos` is that of the
// added record.
NewNumbers AddInPlace(char shapeCode, std::string& bytes, const std::string& added,
                      std::int16_t old, int& pos) {
    NewNumbers moved = Compact(bytes, [&](std::string_view rec, int number) {
        return number != old && Kept(shapeCode, rec, true);
    });
    std::size_t at = 0;
    const std::size_t count = bytes.size() / kToolRecSize;
    while (at < count && !RecordSortsAfter(shapeCode, RecordAt(bytes, at), added)) {
        ++at;
    }
    pos = static_cast<int>(at) + 1;
    if (count + 1 > static_cast<std::size_t>(kMaxToolRecords)) {
        throw ToolFileRefusal(kToolFileFull);
    }
    bytes.insert(at * kToolRecSize, added);
    for (int& number : moved) {
        number += number >= pos ? 1 : 0;
    }
    if (old >= 1 && static_cast<std::size_t>(old) <= moved.size()) {
        moved[static_cast<std::size_t>(old - 1)] = pos;
    }
    return moved;
}

// Points the defaults of the shape at the new numbers of their tools: a default whose tool left
// the file becomes empty; one whose number is not a record of the old file stays as it is.
void RenumberDefaults(core::Session& session, char shapeCode, const NewNumbers& moved) {
    platform::FileSystem& fs = session.os.fs;
    const std::string path = DefaultsPath(session);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    if (!fs.Exists(path, platform::ListFilter::Files)) {
        return;
    }
    std::string bytes = fs.ReadAll(path);
    DefaultSet defaults = DecodeDefaults(bytes);
    bool changed = false;
    for (std::size_t k = 0; k < defaults.size(); ++k) {
        core::DefaultToolRec& rec = defaults[k];
        if (rec.shape != shapeCode || rec.recordNo <= 0 ||
            static_cast<std::size_t>(rec.recordNo) > moved.size()) {
            continue;
        }
        const int to = moved[static_cast<std::size_t>(rec.recordNo - 1)];
        if (to == rec.recordNo) {
            continue;
        }
        if (to == 0) {
            rec = core::DefaultToolRec{};
        } else {
            rec.recordNo = static_cast<std::int16_t>(to);
        }
        bytes.replace(k * core::kDefaultToolRecSize, core::kDefaultToolRecSize, EncodeDefault(rec));
        changed = true;
    }
    if (changed) {
        fs.Replace(path, bytes);
    }
    session.lib.DefaultTools = defaults;
}

bool InsertRenumbers(char shapeCode) {
    return shapeCode == 'A' || shapeCode == 'B' || shapeCode == 'D';
}

std::int16_t StoreTool(core::Session& session, char shapeCode, const ToolRec& rec, std::int16_t old,
                       const ToolRec* loaded) {
    platform::FileSystem& fs = session.os.fs;
    const std::string path = ToolFilePath(session, shapeCode);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    std::string bytes = ReadBytes(fs, path);
    if (loaded != nullptr &&
        (old < 1 || static_cast<std::size_t>(old) > bytes.size() / kToolRecSize ||
         RecordAt(bytes, static_cast<std::size_t>(old - 1)) != ToolRecBytes(*loaded))) {
        throw ToolFileRefusal(kToolChangedElsewhere);
    }
    int pos = 0;
    const NewNumbers moved = AddInPlace(shapeCode, bytes, ToolRecBytes(rec), old, pos);
    fs.Replace(path, bytes);
    if (InsertRenumbers(shapeCode)) {
        RenumberDefaults(session, shapeCode, moved);
    }
    return static_cast<std::int16_t>(pos);
}

}  // namespace

std::string ToolFilePath(const core::Session& session, char shapeCode) {
    return session.lib.ToolLibPrefix + shapeCode;
}

std::vector<ToolRec> ReadToolFile(const core::Session& session, char shapeCode) {
    const std::string bytes = ReadBytes(session.os.fs, ToolFilePath(session, shapeCode));
    std::vector<ToolRec> tools;
    tools.reserve(bytes.size() / kToolRecSize);
    for (std::size_t i = 0; i < bytes.size() / kToolRecSize; ++i) {
        tools.push_back(ToolRecFromBytes(RecordAt(bytes, i)));
    }
    return tools;
}

std::optional<ToolRec> ReadTool(const core::Session& session, char shapeCode, std::int16_t number) {
    std::vector<ToolRec> recs = ReadToolFile(session, shapeCode);
    if (number < 1 || static_cast<std::size_t>(number) > recs.size()) {
        return std::nullopt;
    }
    return std::move(recs[static_cast<std::size_t>(number - 1)]);
}

std::int16_t InsertTool(core::Session& session, char shapeCode, const ToolRec& rec,
                        std::int16_t old) {
    return StoreTool(session, shapeCode, rec, old, nullptr);
}

std::int16_t ReplaceTool(core::Session& session, char shapeCode, const ToolRec& rec,
                         std::int16_t old, const ToolRec& loaded) {
    return StoreTool(session, shapeCode, rec, old, &loaded);
}

void DeleteTools(core::Session& session, char shapeCode,
                 const std::vector<std::int16_t>& ascendingNumbers) {
    platform::FileSystem& fs = session.os.fs;
    const std::string path = ToolFilePath(session, shapeCode);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    std::string bytes = ReadBytes(fs, path);
    std::vector<int> numbers(ascendingNumbers.begin(), ascendingNumbers.end());
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> names;  // of the special tools deleted
    const NewNumbers moved = Compact(bytes, [&](std::string_view rec, int number) {
        if (!Kept(shapeCode, rec, false)) {
            return false;
        }
        if (!std::binary_search(numbers.begin(), numbers.end(), number)) {
            return true;
        }
        if (shapeCode == 'S') {
            names.push_back(core::Trim(ToolRecFromBytes(rec).Descr));
        }
        return false;
    });
    fs.Replace(path, bytes);
    RenumberDefaults(session, shapeCode, moved);
    RemoveDrawings(session, names);
}

std::optional<ToolRec> RewriteDefMark(core::Session& session, char shapeCode, std::int16_t number,
                                      const std::function<std::int16_t(std::int16_t)>& mark) {
    platform::FileSystem& fs = session.os.fs;
    const std::string path = ToolFilePath(session, shapeCode);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    std::string bytes = ReadBytes(fs, path);
    if (number < 1 || static_cast<std::size_t>(number) > bytes.size() / kToolRecSize) {
        return std::nullopt;
    }
    const std::size_t at = static_cast<std::size_t>(number - 1);
    ToolRec rec = ToolRecFromBytes(RecordAt(bytes, at));
    if (rec.Shape != shapeCode) {
        return std::nullopt;
    }
    const ToolRec was = rec;
    rec.DefMark = mark(was.DefMark);
    if (rec.DefMark != was.DefMark) {
        bytes.replace(at * kToolRecSize, kToolRecSize, ToolRecBytes(rec));
        fs.Replace(path, bytes);
    }
    return was;
}

}  // namespace tooling::library
