#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::library {

// One entry of the special-drawing index (ToolLibPrefix + "lkp").
struct DrawingEntry {
    std::string name;  // trimmed
    std::int16_t number = 0;
};

// The entries of the current library's drawing index, in file order, up to the first name that
// holds "*" or the end of the file. A line without a number, or with a number outside 1 to
// 32,767, names no drawing and is left out. A missing index holds none.
std::vector<DrawingEntry> ReadDrawingIndex(const core::Session& session);

// The drawing file of a drawing number: ToolLibPrefix followed by the number.
std::string DrawingPath(const core::Session& session, std::int16_t number);

// The drawing number of the first index entry of that name (compared exactly), or 0.
std::int16_t DrawingNumber(const std::vector<DrawingEntry>& index, std::string_view name);

// The X and Y extents of a drawing in millimetres.
struct DrawingExtents {
    float x = 12.0F;
    float y = 12.0F;
    bool operator==(const DrawingExtents&) const = default;
};

// The extents stored in a drawing file's bytes; a file too short for them, or extents that are
// not finite and positive, give the 12 x 12 of a missing drawing.
DrawingExtents ExtentsFromBytes(std::string_view bytes);

// The extents of the named special tool's drawing, 12 x 12 when it has none or it cannot be read.
DrawingExtents ReadDrawingExtents(const core::Session& session, std::string_view name);

// Removes the index entries of the named special tools (trimmed names, compared exactly) and
// deletes their drawing files, under the index's lock. Throws platform::FileError.
void RemoveDrawings(core::Session& session, const std::vector<std::string>& names);

}  // namespace tooling::library
