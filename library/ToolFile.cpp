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

struct Rewrite {
    std::string bytes;
    NewNumbers moved;
};

std::vector<ToolRec> DecodeToolFile(std::string_view bytes) {
    std::vector<ToolRec> recs;
    recs.reserve(bytes.size() / kToolRecSize);
    for (std::size_t at = 0; at + kToolRecSize <= bytes.size(); at += kToolRecSize) {
        recs.push_back(ToolRecFromBytes(bytes.substr(at, kToolRecSize)));
    }
    return recs;
}

std::vector<ToolRec> ReadRecords(const platform::FileSystem& fs, const std::string& path) {
    if (!fs.Exists(path, platform::ListFilter::Files)) {
        return {};
    }
    return DecodeToolFile(fs.ReadAll(path));
}

// A special tool added or replaced also needs a first station type.
bool Kept(char shapeCode, const ToolRec& rec, bool inserting) {
    return ValidTool(shapeCode, rec) &&
           !(inserting && shapeCode == 'S' && rec.Stns[0].StnType <= 0);
}

void CheckCount(std::size_t count) {
    if (count > static_cast<std::size_t>(kMaxToolRecords)) {
        throw ToolFileRefusal(kToolFileFull);
    }
}

// The file with `rec` in its sorted place (after equal ones) and record `old` left out.
Rewrite WithTool(char shapeCode, const std::vector<ToolRec>& recs, const ToolRec& rec,
                 std::int16_t old, int& pos) {
    Rewrite out;
    out.moved.assign(recs.size(), 0);
    out.bytes.reserve((recs.size() + 1) * kToolRecSize);
    const std::string newBytes = ToolRecBytes(rec);
    int count = 0;
    pos = 0;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        if (static_cast<int>(i) + 1 == old || !Kept(shapeCode, recs[i], true)) {
            continue;
        }
        if (pos == 0 && SortsAfter(shapeCode, recs[i], rec)) {
            pos = ++count;
            out.bytes += newBytes;
        }
        out.moved[i] = ++count;
        out.bytes += ToolRecBytes(recs[i]);
    }
    if (pos == 0) {
        pos = ++count;
        out.bytes += newBytes;
    }
    if (old >= 1 && static_cast<std::size_t>(old) <= recs.size()) {
        out.moved[static_cast<std::size_t>(old - 1)] = pos;
    }
    CheckCount(static_cast<std::size_t>(count));
    return out;
}

Rewrite WithoutTools(char shapeCode, const std::vector<ToolRec>& recs,
                     const std::vector<std::int16_t>& numbers) {
    Rewrite out;
    out.moved.assign(recs.size(), 0);
    out.bytes.reserve(recs.size() * kToolRecSize);
    int count = 0;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (!Kept(shapeCode, recs[i], false) ||
            std::binary_search(numbers.begin(), numbers.end(), number,
                               [](int a, int b) { return a < b; })) {
            continue;
        }
        out.moved[i] = ++count;
        out.bytes += ToolRecBytes(recs[i]);
    }
    return out;
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
    const std::vector<ToolRec> recs = ReadRecords(fs, path);
    if (loaded != nullptr &&
        (old < 1 || static_cast<std::size_t>(old) > recs.size() ||
         ToolRecBytes(recs[static_cast<std::size_t>(old - 1)]) != ToolRecBytes(*loaded))) {
        throw ToolFileRefusal(kToolChangedElsewhere);
    }
    int pos = 0;
    const Rewrite out = WithTool(shapeCode, recs, rec, old, pos);
    fs.Replace(path, out.bytes);
    if (InsertRenumbers(shapeCode)) {
        RenumberDefaults(session, shapeCode, out.moved);
    }
    return static_cast<std::int16_t>(pos);
}

}  // namespace

std::string ToolFilePath(const core::Session& session, char shapeCode) {
    return session.lib.ToolLibPrefix + shapeCode;
}

std::vector<ToolRec> ReadToolFile(const core::Session& session, char shapeCode) {
    return ReadRecords(session.os.fs, ToolFilePath(session, shapeCode));
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
    const std::vector<ToolRec> recs = ReadRecords(fs, path);
    std::vector<std::int16_t> numbers = ascendingNumbers;
    std::sort(numbers.begin(), numbers.end());
    const Rewrite out = WithoutTools(shapeCode, recs, numbers);
    fs.Replace(path, out.bytes);
    RenumberDefaults(session, shapeCode, out.moved);
    if (shapeCode != 'S') {
        return;
    }
    std::vector<std::string> names;
    for (const std::int16_t number : numbers) {
        if (number >= 1 && static_cast<std::size_t>(number) <= recs.size()) {
            const std::string name = core::Trim(recs[static_cast<std::size_t>(number - 1)].Descr);
            if (!name.empty()) {
                names.push_back(name);
            }
        }
    }
    RemoveDrawings(session, names);
}

}  // namespace tooling::library
