#include "library/ToolRec.h"

#include "core/RecordBytes.h"
#include "core/Text.h"

namespace tooling::library {

namespace {

constexpr std::size_t kShapeAt = 0;
constexpr std::size_t kDescrAt = 1;
constexpr std::size_t kDimsAt = 19;
constexpr std::size_t kStnsAt = 35;
constexpr std::size_t kAnglesAt = 59;
constexpr std::size_t kDefMarkAt = 83;
constexpr std::size_t kSettingsNoAt = 85;

}  // namespace

ToolRec BlankToolRec() {
    return ToolRec{};
}

ToolRec ToolRecFromBytes(std::string_view bytes) {
    std::string padded;
    if (bytes.size() < kToolRecSize) {
        padded.assign(bytes);
        padded.resize(kToolRecSize, '\0');
        bytes = padded;
    }
    const std::string_view whole = bytes.substr(0, kToolRecSize);
    const core::RecordView in(whole);
    ToolRec rec;
    rec.Shape = whole[kShapeAt];
    rec.Descr = in.Text(kDescrAt, kToolDescrWidth);
    for (std::size_t i = 0; i < rec.Dims.size(); ++i) {
        rec.Dims[i] = in.Float(kDimsAt + 4 * i);
    }
    for (std::size_t i = 0; i < rec.Stns.size(); ++i) {
        rec.Stns[i].StnType = in.Int16(kStnsAt + 4 * i);
        rec.Stns[i].StnKind = in.Int16(kStnsAt + 4 * i + 2);
    }
    for (std::size_t i = 0; i < rec.Angles.size(); ++i) {
        rec.Angles[i] = in.Float(kAnglesAt + 4 * i);
    }
    rec.DefMark = in.Int16(kDefMarkAt);
    rec.SettingsNo = in.Int32(kSettingsNoAt);
    return rec;
}

std::string ToolRecBytes(const ToolRec& rec) {
    std::string bytes(kToolRecSize, '\0');
    core::RecordBytes out(bytes);
    bytes[kShapeAt] = rec.Shape;
    out.PutText(kDescrAt, rec.Descr, kToolDescrWidth);
    for (std::size_t i = 0; i < rec.Dims.size(); ++i) {
        out.PutFloat(kDimsAt + 4 * i, rec.Dims[i]);
    }
    for (std::size_t i = 0; i < rec.Stns.size(); ++i) {
        out.PutInt16(kStnsAt + 4 * i, rec.Stns[i].StnType);
        out.PutInt16(kStnsAt + 4 * i + 2, rec.Stns[i].StnKind);
    }
    for (std::size_t i = 0; i < rec.Angles.size(); ++i) {
        out.PutFloat(kAnglesAt + 4 * i, rec.Angles[i]);
    }
    out.PutInt16(kDefMarkAt, rec.DefMark);
    out.PutInt32(kSettingsNoAt, rec.SettingsNo);
    return bytes;
}

std::string PaddedDescr(std::string_view text) {
    return core::Fixed(text, kToolDescrWidth);
}

bool ValidRecord(char shapeCode, std::string_view bytes) {
    if (shapeCode == 'S') {
        return bytes.substr(kDescrAt, kToolDescrWidth).find_first_not_of(' ') !=
               std::string_view::npos;
    }
    const float dim = core::RecordView(bytes).Float(kDimsAt);
    return dim > 0.1F && dim < 1000.0F;
}

bool ValidTool(char shapeCode, const ToolRec& rec) {
    return ValidRecord(shapeCode, ToolRecBytes(rec));
}

bool RecordSortsAfter(char shapeCode, std::string_view bytes, std::string_view other) {
    if (shapeCode == 'S') {
        return bytes.substr(kDescrAt, kToolDescrWidth) > other.substr(kDescrAt, kToolDescrWidth);
    }
    return core::RecordView(bytes).Float(kDimsAt) > core::RecordView(other).Float(kDimsAt);
}

bool SortsAfter(char shapeCode, const ToolRec& rec, const ToolRec& other) {
    return RecordSortsAfter(shapeCode, ToolRecBytes(rec), ToolRecBytes(other));
}

}  // namespace tooling::library
