#include "library/DefaultTools.h"

#include <algorithm>
#include <chrono>

#include "core/FileSteps.h"
#include "core/RecordBytes.h"
#include "core/Session.h"
#include "platform/FileError.h"

namespace tooling::library {

namespace {

constexpr std::size_t kRecordNoAt = 0;
constexpr std::size_t kShapeAt = 2;
constexpr std::size_t kDescrAt = 3;
constexpr std::size_t kDimsAt = 21;
constexpr std::size_t kStnTypeAt = 37;
constexpr std::size_t kStnKindAt = 39;
constexpr std::size_t kAngleAt = 41;
constexpr std::size_t kReservedAt = 45;

bool ValidKind(int k) {
    return k >= kXShearing && k <= kNibbling;
}

}  // namespace

std::string EncodeDefault(const core::DefaultToolRec& rec) {
    std::string bytes(core::kDefaultToolRecSize, '\0');
    core::RecordBytes out(bytes);
    out.PutInt16(kRecordNoAt, rec.recordNo);
    bytes[kShapeAt] = rec.shape;
    out.PutText(kDescrAt, rec.descr, core::kDescrWidth);
    for (std::size_t i = 0; i < rec.dims.size(); ++i) {
        out.PutFloat(kDimsAt + 4 * i, rec.dims[i]);
    }
    out.PutInt16(kStnTypeAt, rec.stnType);
    out.PutInt16(kStnKindAt, rec.stnKind);
    out.PutFloat(kAngleAt, rec.angle);
    out.PutInt16(kReservedAt, rec.reserved);
    return bytes;
}

core::DefaultToolRec DecodeDefault(std::string_view bytes) {
    core::DefaultToolRec rec;
    if (bytes.size() < core::kDefaultToolRecSize) {
        return rec;
    }
    const core::RecordView in(bytes);
    rec.recordNo = in.Int16(kRecordNoAt);
    rec.shape = bytes[kShapeAt];
    rec.descr = in.Text(kDescrAt, core::kDescrWidth);
    for (std::size_t i = 0; i < rec.dims.size(); ++i) {
        rec.dims[i] = in.Float(kDimsAt + 4 * i);
    }
    rec.stnType = in.Int16(kStnTypeAt);
    rec.stnKind = in.Int16(kStnKindAt);
    rec.angle = in.Float(kAngleAt);
    rec.reserved = in.Int16(kReservedAt);
    return rec;
}

std::string DefaultsPath(const core::Session& session) {
    return session.lib.ToolLibPrefix + "dft";
}

DefaultSet DecodeDefaults(std::string_view bytes) {
    DefaultSet set{};
    for (std::size_t i = 0; i < set.size(); ++i) {
        const std::size_t at = i * core::kDefaultToolRecSize;
        if (at + core::kDefaultToolRecSize <= bytes.size()) {
            set[i] = DecodeDefault(bytes.substr(at, core::kDefaultToolRecSize));
        }
    }
    return set;
}

DefaultSet ReadDefaultsFile(platform::FileSystem& fs, const std::string& path) {
    const auto readOnce = [&]() {
        return fs.Exists(path, platform::ListFilter::Files) ? DecodeDefaults(fs.ReadAll(path))
                                                            : DefaultSet{};
    };
    try {
        return readOnce();
    } catch (const platform::FileError&) {
    }
    // A file that cannot be read is given up: it goes, and a second failure leaves the
    // defaults empty.
    try {
        if (fs.Exists(path, platform::ListFilter::Files)) {
            fs.DeleteFile(path);
        }
    } catch (const platform::FileError&) {
    }
    try {
        return readOnce();
    } catch (const platform::FileError&) {
        return DefaultSet{};
    }
}

void ReadDefaults(core::Session& session) {
    session.lib.DefaultTools = ReadDefaultsFile(session.os.fs, DefaultsPath(session));
}

void WriteDefault(core::Session& session, int k) {
    if (!ValidKind(k)) {
        return;
    }
    platform::FileSystem& fs = session.os.fs;
    const std::string path = DefaultsPath(session);
    const auto lock = fs.Lock(path, core::kFileLockWait);
    std::string bytes;
    if (fs.Exists(path, platform::ListFilter::Files)) {
        bytes = fs.ReadAll(path);
    }
    const std::size_t at = static_cast<std::size_t>(k - 1) * core::kDefaultToolRecSize;
    if (bytes.size() < at + core::kDefaultToolRecSize) {
        // Records before k that the file lacks are written empty (a partial one as well, which
        // read as empty before).
        bytes.resize(std::min(bytes.size(), at) / core::kDefaultToolRecSize *
                     core::kDefaultToolRecSize);
        const std::string empty = EncodeDefault(core::DefaultToolRec{});
        while (bytes.size() < at) {
            bytes += empty;
        }
        bytes.resize(at + core::kDefaultToolRecSize);
    }
    bytes.replace(at, core::kDefaultToolRecSize,
                  EncodeDefault(session.lib.DefaultTools[static_cast<std::size_t>(k - 1)]));
    fs.Replace(path, bytes);
}

void EmptyDefault(core::Session& session, int k) {
    if (ValidKind(k)) {
        session.lib.DefaultTools[static_cast<std::size_t>(k - 1)] = core::DefaultToolRec{};
    }
}

bool ShapeSuitsKind(int k, char shapeCode) {
    switch (k) {
        case kXShearing:
        case kYShearing:
            return shapeCode == 'B' || shapeCode == 'D';
        case kClearing:
            return shapeCode == 'B';
        case kNibbling:
            return shapeCode == 'A';
        default:
            return false;
    }
}

bool DefaultDefined(const core::Session& session, int k) {
    if (!ValidKind(k)) {
        return false;
    }
    const core::DefaultToolRec& rec = session.lib.DefaultTools[static_cast<std::size_t>(k - 1)];
    return rec.recordNo > 0 && ShapeSuitsKind(k, rec.shape);
}

}  // namespace tooling::library
