#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::tools {

inline constexpr std::int16_t kSpecialShapeNo = 14;

// Where a stored dimension comes from.
enum class DimSource : std::int8_t {
    Zero,
    Box1,
    Box2,
    Box3,
    AcrossCorners,  // a hexagon's width across corners, from box 1 (across flats)
    KeyWidth,       // box 3, stored negative when the key is rounded
};

// The typed values of a shape's boxes, rounded millimetres in box order: true rejects the tool.
using ShapeCheck = bool (*)(std::span<const double> values, bool keyRound);

// What sets one tool shape's dialog and records apart from the others.
struct ShapeRule {
    std::string_view form;
    std::string_view addCaption;
    std::string_view editCaption;
    std::string_view frameCaption;            // of the dimension frame
    int boxCount;                             // dimension boxes
    std::array<std::string_view, 3> prompts;  // one per box
    std::array<DimSource, 4> dims;            // Dims(1) to Dims(4)
    std::array<int, 3> loadField;             // the Dims index each box shows when editing
    std::array<std::string_view, 4> angles;   // proposed when the angle frame opens
    bool hasAngles;                           // the dialog has the angle frame
    bool singleMessage;                       // "Invalid Tool Dimension !"
    ShapeCheck rejects;                       // besides a zero value; nullptr for none
    std::int16_t shapeNo = 0;                 // 1 to 14 in Tool Shape menu order, 21 Router
    char code = ' ';                          // the tool file's letter; Router tools lie in "A"
    std::string_view descr{};                 // the record's name of the shape
};

// The rule of a shape number (1 to 14, 21), nullptr for any other.
const ShapeRule* RuleOfShapeNo(std::int16_t shapeNo);
// The rule of a shape code "A" to "M" or "S" (for "A" the Diameter's), nullptr for any other.
const ShapeRule* RuleOfCode(char shapeCode);

// The refusal of a shape's dimensions: "Invalid Tool Dimension !" for Diameter, Square and
// Router, "Invalid Tool Dimension(s) !" for the others.
std::string_view DimensionMessage(const ShapeRule& rule);

// The four stored dimensions for the typed values of a shape's boxes, in box order, already
// taken as the dialogs take them (absolute, in millimetres, rounded to 3 decimals); nothing when
// the shape's checks reject them.
std::optional<std::array<float, 4>> ShapeDims(char shapeCode, const std::vector<double>& values,
                                              bool keyRound);

// The values the boxes show when a tool is edited, in millimetres, in box order (a keyway's key
// width without its sign).
std::vector<double> EditValues(const ShapeRule& rule, const std::array<float, 4>& dims);

// The width across corners of a hexagon, rounded to 3 decimals.
double AcrossCorners(double acrossFlats);

// How far a keyway's key stands out beyond the circle (less the key's half width when rounded),
// rounded to 2 decimals; nothing when the key is wider than the diameter.
std::optional<double> KeyProtrusion(double diameter, double height, double keyWidth, bool keyRound);

}  // namespace tooling::tools
