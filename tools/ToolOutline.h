#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/ToolRec.h"

namespace tooling::tools {

// A point of an outline in millimetres, x to the right and y up from the tool's centre.
struct OutlinePoint {
    double x = 0;
    double y = 0;
};

// One piece of a closed path, from the end of the piece before it (or the path's start) to `to`:
// a straight line, or an arc about `centre` turning `sweep` degrees (counter-clockwise when
// positive).
struct OutlinePiece {
    OutlinePoint to;
    std::optional<OutlinePoint> centre;
    double sweep = 0;
};

// A closed path: its last piece ends at `start`.
struct OutlinePath {
    OutlinePoint start;
    std::vector<OutlinePiece> pieces;
};

// The smallest box around an outline.
struct OutlineBox {
    double minX = 0;
    double minY = 0;
    double maxX = 0;
    double maxY = 0;

    double Width() const { return maxX - minX; }
    double Height() const { return maxY - minY; }
};

// The outline of a tool, as it would be punched at the angle 0, or turned.
struct ToolOutline {
    std::vector<OutlinePath> paths;
    OutlineBox extents;
    // A special tool's name: its outline is only the box of its drawing's extents.
    std::string label;
};

// The outline of a tool of a shape code "A" to "M" or "S" from its stored dimensions (Dims(1) to
// Dims(4)), centred on the tool's centre; `name` labels a special tool's box. Nothing for another
// code, or for dimensions that the shape's dialog would refuse or that draw no shape.
std::optional<ToolOutline> OutlineOf(char shapeCode, const std::array<float, 4>& dims,
                                     std::string_view name = {});

// The outline of a stored tool of its record's shape, turned to its first load angle (0 when it
// has none); a special tool's box is labelled with its name.
std::optional<ToolOutline> OutlineOfTool(const library::ToolRec& rec);

// The outline of the tool in a turret station, from the station line's shape code, tool name
// (a special tool's label), dimensions and angle text: a number, or "idx" for an index station
// and nothing when there is no angle, which leave the tool unturned.
std::optional<ToolOutline> StationOutline(std::string_view shape, std::string_view tool,
                                          const std::array<double, 4>& dims,
                                          std::string_view angle);

// The outline turned counter-clockwise about the tool's centre by `degrees`, as the tool sits
// when it is loaded at that angle.
ToolOutline Turned(const ToolOutline& outline, double degrees);

// The box around the paths.
OutlineBox ExtentsOf(const std::vector<OutlinePath>& paths);

// The path as a closed polygon (first point repeated at the end) whose arcs are chords that
// stray at most `tolerance` millimetres from the arc; a tolerance that is not above 0 is taken
// as a thousandth of the arc's radius. An arc takes at most 720 chords.
std::vector<OutlinePoint> Flattened(const OutlinePath& path, double tolerance);

}  // namespace tooling::tools
