#include "tools/ShapeRules.h"

#include <algorithm>
#include <cmath>

#include "library/ShapeTable.h"
#include "library/ToolRec.h"
#include "numeric/EvalExpr.h"
#include "numeric/Rounding.h"
#include "tools/ToolShapes.h"

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

// The shape's number, tool-file letter and record name, from the shape menu's table.
constexpr ShapeRule Shaped(std::int16_t shapeNo, ShapeRule rule) {
    const library::ShapeEntry& shape =
        library::kShapes[static_cast<std::size_t>(shapeNo == kRouterShapeNo ? 1 : shapeNo) - 1];
    rule.shapeNo = shapeNo;
    rule.code = shape.code;
    rule.descr = shape.caption;
    return rule;
}

constexpr D B1 = D::Box1;
constexpr D B2 = D::Box2;
constexpr D B3 = D::Box3;
constexpr D Z = D::Zero;

// clang-format off
constexpr std::array<ShapeRule, 15> kRules{
    Shaped(1, {"ToolA", "Add Diameter", "Edit Diameter", kDims, 1, {"Diameter :"},
               {B1, B1, Z, Z}, {0}, {}, false, true, nullptr}),
    Shaped(2, {"ToolB", "Add Square", "Edit Square", kDims, 1, {kWidth},
               {B1, B1, Z, Z}, {0}, kAngles045, true, true, nullptr}),
    Shaped(3, {"ToolC", "Add Radiused Square", "Edit Radiused Square", kDims, 2, {kWidth, kRadius},
               {B1, B1, Z, B2}, {0, 3}, kAngles045, true, false, RadSquare}),
    Shaped(4, {"ToolD", "Add Rectangle", "Edit Rectangle", kDims, 2, {kLength, kWidth},
               {B1, B2, Z, Z}, {0, 1}, kAngles090, true, false, WidthNotBelowLength}),
    Shaped(5, {"ToolE", "Add Radiused Rectangle", "Edit Radiused Rectangle", kDims, 3,
               {kLength, kWidth, kRadius},
               {B1, B2, Z, B3}, {0, 1, 3}, kAngles090, true, false, RadRect}),
    Shaped(6, {"ToolF", "Add Obround", "Edit Obround", kDims, 2, {kLength, kWidth},
               {B1, B2, Z, Z}, {0, 1}, kAngles090, true, false, WidthNotBelowLength}),
    Shaped(7, {"ToolG", "Add Single-D", "Edit Single-D", kDims, 2, {kDiameter, kHeight},
               {B1, B2, Z, Z}, {0, 1}, kAnglesQuarter, true, false, WidthNotBelowLength}),
    Shaped(8, {"ToolH", "Add Double-D", "Edit Double-D", kDims, 2, {kDiameter, kHeight},
               {B1, B2, Z, Z}, {0, 1}, kAngles090, true, false, WidthNotBelowLength}),
    Shaped(9, {"ToolI", "Add Cannon-D", "Edit Cannon-D", kDims, 2, {kLength, kWidth},
               {B1, B2, Z, Z}, {0, 1}, kAnglesQuarter, true, false, CannonD}),
    Shaped(10, {"ToolJ", "Add Hexagon", "Edit Hexagon", kDims, 1, {"Width (A / F) :"},
                {B1, D::AcrossCorners, Z, Z}, {0}, kAngles090, true, false, nullptr}),
    Shaped(11, {"ToolK", "Add Keyway", "Edit Keyway", kDims, 3, {kDiameter, kHeight, "Key Width :"},
                {B1, B2, D::KeyWidth, Z}, {0, 1, 2}, kAnglesQuarter, true, false, Keyway}),
    Shaped(12, {"ToolL", "Add Louvre", "Edit Louvre", kDims, 2, {kLength, kWidth},
                {B1, B2, Z, Z}, {0, 1}, kAnglesQuarter, true, false, Louvre}),
    Shaped(13, {"ToolM", "Add Cruciform", "Edit Cruciform", kDims, 3,
                {kLength, "Tool Web :", "Tool Radius :"},
                {B1, B1, B2, B3}, {0, 2, 3}, kAngle0, true, false, Cruciform}),
    // The name box of a special tool shows its name; its size is its drawing's.
    Shaped(kSpecialShapeNo, {"ToolS", "Add Special", "Edit Special", "Tool Name", 1, {},
                             {Z, Z, Z, Z}, {0}, kAngle0, true, false, nullptr}),
    Shaped(kRouterShapeNo, {"ToolR", "Add Router", "Edit Router", kDims, 1, {"Diameter :"},
                            {B1, B1, Z, Z}, {0}, {}, false, true, nullptr}),
};
// clang-format on

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
