#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tooling::library {

inline constexpr std::size_t kToolRecSize = 89;
inline constexpr std::size_t kToolDescrWidth = 18;
inline constexpr std::size_t kToolStations = 6;
inline constexpr std::size_t kToolAngles = 6;
inline constexpr float kNoAngle = -999.0F;
// Record numbers are 16-bit: a tool file holds at most this many tools.
inline constexpr std::int16_t kMaxToolRecords = 32767;

// One station type that may hold a tool, copied from the machine's station table.
struct ToolStation {
    std::int16_t StnType = 0;
    std::int16_t StnKind = 0;
    bool operator==(const ToolStation&) const = default;
};

// One tool: the 89-byte record of a shape's tool file, as held in memory. The empty record
// (BlankToolRec) is what a default-constructed one holds.
struct ToolRec {
    char Shape = ' ';
    std::string Descr = std::string(kToolDescrWidth, ' ');  // always 18 characters
    std::array<float, 4> Dims{};                            // millimetres
    std::array<ToolStation, kToolStations> Stns{};          // filled pairs first
    std::array<float, kToolAngles> Angles{kNoAngle, kNoAngle, kNoAngle,
                                          kNoAngle, kNoAngle, kNoAngle};  // ascending
    std::int16_t DefMark = 0;
    std::int32_t SettingsNo = 0;

    bool operator==(const ToolRec&) const = default;
};

ToolRec BlankToolRec();

// The record of exactly 89 bytes (shorter input reads as if padded with zero bytes).
ToolRec ToolRecFromBytes(std::string_view bytes);
// Exactly 89 bytes; Descr is cut or blank-padded to 18 characters.
std::string ToolRecBytes(const ToolRec& rec);

// The text cut or blank-padded to the 18 characters of a tool description.
std::string PaddedDescr(std::string_view text);

// Whether a rewrite of the file of `shapeCode` keeps the record: a numeric tool needs
// 0.1 < Dims(1) < 1000 (as single-precision numbers), a special tool a name that is not blank.
bool ValidTool(char shapeCode, const ToolRec& rec);
// The same on the 89 bytes of a record, as a rewrite reads them in place.
bool ValidRecord(char shapeCode, std::string_view bytes);

// Whether `rec` sorts after `other` in the file of `shapeCode`: numeric shapes by Dims(1),
// special tools by the 18-character Descr, byte by byte.
bool SortsAfter(char shapeCode, const ToolRec& rec, const ToolRec& other);
bool RecordSortsAfter(char shapeCode, std::string_view bytes, std::string_view other);

}  // namespace tooling::library
