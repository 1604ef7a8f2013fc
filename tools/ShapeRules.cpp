#include "tools/ShapeRules.h"

#include <algorithm>
#include <cmath>

#include "library/ToolRec.h"
#include "numeric/EvalExpr.h"
#include "numeric/Rounding.h"

namespace tooling::tools {

namespace {

using D = DimSource;

double Round3(double value) {
    return numeric::RoundHalfEven(value, 3);
}

// Values in box order: [0] is box 1.
bool RadSquare(std::span<const double> v, bool) {
    return 2 * v[1] >= v[0];
}
bool WidthNotBelowLength(std::span<const double> v, bool) {
    return v[1] >= v[0];
}
bool RadRect(std::span<const double> v, bool) {
    return v[1] >= v[0] || v[1] <= 2 * v[2];
}
bool CannonD(std::span<const double> v, bool) {
    return v[0] < (v[1] / 3) * 2;
}
bool Keyway(std::span<const double> v, bool keyRound) {
    const std::optional<double> m = KeyProtrusion(v[0], v[1], v[2], keyRound);
    return !m || *m < 0;
}
bool Louvre(std::span<const double> v, bool) {
    return v[1] > v[0] / 2;
}
bool Cruciform(std::span<const double> v, bool) {
    const double length = v[0];
    const double web = v[1];
    const double radius = v[2];
    return Round3(2 * radius) > Round3(length - web) || web > Round3(length - 2 * radius);
}

constexpr std::string_view kLength = "Tool Length :";
constexpr std::string_view kWidth = "Tool Width :";
constexpr std::string_view kRadius = "Corner Radius :";
constexpr std::string_view kDiameter = "Tool Diameter :";
constexpr std::string_view kHeight = "Tool Height :";
constexpr std::string_view kDims = "Tool Dimensions";

constexpr std::array<std::string_view, 4> kAngles045{"0", "45"};
constexpr std::array<std::string_view, 4> kAngles090{"0", "90"};
constexpr std::array<std::string_view, 4> kAnglesQuarter{"0", "90", "180", "270"};
constexpr std::array<std::string_view, 4> kAngle0{"0"};

constexpr std::array<ShapeRule, 15> kRules{{
    {1,
     'A',
     "ToolA",
     "Add Diameter",
     "Edit Diameter",
     "Diameter",
     kDims,
     1,
     {"Diameter :"},
     {D::Box1, D::Box1, D::Zero, D::Zero},
     {0},
     {},
     false,
     true,
     nullptr},
    {2,
     'B',
     "ToolB",
     "Add Square",
     "Edit Square",
     "Square",
     kDims,
     1,
     {"Tool Width :"},
     {D::Box1, D::Box1, D::Zero, D::Zero},
     {0},
     kAngles045,
     true,
     true,
     nullptr},
    {3,
     'C',
     "ToolC",
     "Add Radiused Square",
     "Edit Radiused Square",
     "Rad-Square",
     kDims,
     2,
     {kWidth, kRadius},
     {D::Box1, D::Box1, D::Zero, D::Box2},
     {0, 3},
     kAngles045,
     true,
     false,
     RadSquare},
    {4,
     'D',
     "ToolD",
     "Add Rectangle",
     "Edit Rectangle",
     "Rectangle",
     kDims,
     2,
     {kLength, kWidth},
     {D::Box1, D::Box2, D::Zero, D::Zero},
     {0, 1},
     kAngles090,
     true,
     false,
     WidthNotBelowLength},
    {5,
     'E',
     "ToolE",
     "Add Radiused Rectangle",
     "Edit Radiused Rectangle",
     "Rad-Rect",
     kDims,
     3,
     {kLength, kWidth, kRadius},
     {D::Box1, D::Box2, D::Zero, D::Box3},
     {0, 1, 3},
     kAngles090,
     true,
     false,
     RadRect},
    {6,
     'F',
     "ToolF",
     "Add Obround",
     "Edit Obround",
     "Obround",
     kDims,
     2,
     {kLength, kWidth},
     {D::Box1, D::Box2, D::Zero, D::Zero},
     {0, 1},
     kAngles090,
     true,
     false,
     WidthNotBelowLength},
    {7,
     'G',
     "ToolG",
     "Add Single-D",
     "Edit Single-D",
     "Single-D",
     kDims,
     2,
     {kDiameter, kHeight},
     {D::Box1, D::Box2, D::Zero, D::Zero},
     {0, 1},
     kAnglesQuarter,
     true,
     false,
     WidthNotBelowLength},
    {8,
     'H',
     "ToolH",
     "Add Double-D",
     "Edit Double-D",
     "Double-D",
     kDims,
     2,
     {kDiameter, kHeight},
     {D::Box1, D::Box2, D::Zero, D::Zero},
     {0, 1},
     kAngles090,
     true,
     false,
     WidthNotBelowLength},
    {9,
     'I',
     "ToolI",
     "Add Cannon-D",
     "Edit Cannon-D",
     "Cannon-D",
     kDims,
     2,
     {kLength, kWidth},
     {D::Box1, D::Box2, D::Zero, D::Zero},
     {0, 1},
     kAnglesQuarter,
     true,
     false,
     CannonD},
    {10,
     'J',
     "ToolJ",
     "Add Hexagon",
     "Edit Hexagon",
     "Hexagon",
     kDims,
     1,
     {"Width (A / F) :"},
     {D::Box1, D::AcrossCorners, D::Zero, D::Zero},
     {0},
     kAngles090,
     true,
     false,
     nullptr},
    {11,
     'K',
     "ToolK",
     "Add Keyway",
     "Edit Keyway",
     "Keyway",
     kDims,
     3,
     {kDiameter, kHeight, "Key Width :"},
     {D::Box1, D::Box2, D::KeyWidth, D::Zero},
     {0, 1, 2},
     kAnglesQuarter,
     true,
     false,
     Keyway},
    {12,
     'L',
     "ToolL",
     "Add Louvre",
     "Edit Louvre",
     "Louvre",
     kDims,
     2,
     {kLength, kWidth},
     {D::Box1, D::Box2, D::Zero, D::Zero},
     {0, 1},
     kAnglesQuarter,
     true,
     false,
     Louvre},
    {13,
     'M',
     "ToolM",
     "Add Cruciform",
     "Edit Cruciform",
     "Cruciform",
     kDims,
     3,
     {kLength, "Tool Web :", "Tool Radius :"},
     {D::Box1, D::Box1, D::Box2, D::Box3},
     {0, 2, 3},
     kAngle0,
     true,
     false,
     Cruciform},
    // The name box of a special tool shows the tool's name; its dimensions are its drawing's.
    {kSpecialShapeNo,
     'S',
     "ToolS",
     "Add Special",
     "Edit Special",
     "",
     "Tool Name",
     1,
     {},
     {D::Zero, D::Zero, D::Zero, D::Zero},
     {0},
     kAngle0,
     true,
     false,
     nullptr},
    {21,
     'A',
     "ToolR",
     "Add Router",
     "Edit Router",
     "Diameter",
     kDims,
     1,
     {"Diameter :"},
     {D::Box1, D::Box1, D::Zero, D::Zero},
     {0},
     {},
     false,
     true,
     nullptr},
}};

}  // namespace

const ShapeRule* RuleOfShapeNo(std::int16_t shapeNo) {
    const auto* rule = std::find_if(kRules.begin(), kRules.end(),
                                    [&](const ShapeRule& r) { return r.shapeNo == shapeNo; });
    return rule == kRules.end() ? nullptr : rule;
}

const ShapeRule* RuleOfCode(char shapeCode) {
    const auto* rule = std::find_if(kRules.begin(), kRules.end(),
                                    [&](const ShapeRule& r) { return r.code == shapeCode; });
    return rule == kRules.end() ? nullptr : rule;
}

std::string_view DimensionMessage(const ShapeRule& rule) {
    return rule.singleMessage ? "Invalid Tool Dimension !" : "Invalid Tool Dimension(s) !";
}

double AcrossCorners(double acrossFlats) {
    return Round3(4 * (acrossFlats / 2) * std::tan(numeric::DegToRad(30)));
}

std::optional<double> KeyProtrusion(double diameter, double height, double keyWidth,
                                    bool keyRound) {
    const double r = diameter / 2;
    const double k = keyWidth / 2;
    const double square = r * r - k * k;
    if (!(square >= 0)) {
        return std::nullopt;
    }
    const double e = height - (r + std::sqrt(square));
    return numeric::RoundHalfEven(keyRound ? e - k : e, 2);
}

std::optional<std::array<float, 4>> ShapeDims(char shapeCode, const std::vector<double>& values,
                                              bool keyRound) {
    const ShapeRule* rule = RuleOfCode(shapeCode);
    if (rule == nullptr || rule->code == 'S' || std::ssize(values) != rule->boxCount) {
        return std::nullopt;
    }
    if (std::any_of(values.begin(), values.end(),
                    [](double v) { return !std::isfinite(v) || v <= 0; })) {
        return std::nullopt;
    }
    if (rule->rejects != nullptr && rule->rejects(values, keyRound)) {
        return std::nullopt;
    }
    library::ToolRec rec;
    for (std::size_t i = 0; i < rec.Dims.size(); ++i) {
        double dim = 0;
        switch (rule->dims[i]) {
            case D::Zero:
                break;
            case D::Box1:
            case D::Box2:
            case D::Box3:
                dim = values[static_cast<std::size_t>(rule->dims[i]) -
                             static_cast<std::size_t>(D::Box1)];
                break;
            case D::AcrossCorners:
                dim = AcrossCorners(values[0]);
                break;
            case D::KeyWidth:
                dim = keyRound ? -values[2] : values[2];
                break;
        }
        rec.Dims[i] = static_cast<float>(dim);
        if (!std::isfinite(rec.Dims[i])) {
            return std::nullopt;
        }
    }
    // A size the tool file would not keep is refused here rather than dropped at the write.
    if (!library::ValidTool(shapeCode, rec)) {
        return std::nullopt;
    }
    return rec.Dims;
}

std::vector<double> EditValues(const ShapeRule& rule, const std::array<float, 4>& dims) {
    std::vector<double> values;
    for (int box = 0; box < rule.boxCount; ++box) {
        const auto field = static_cast<std::size_t>(rule.loadField[static_cast<std::size_t>(box)]);
        const double value = dims[field];
        values.push_back(rule.dims[field] == D::KeyWidth ? std::fabs(value) : value);
    }
    return values;
}

}  // namespace tooling::tools
