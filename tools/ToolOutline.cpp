#include "tools/ToolOutline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/Text.h"
#include "numeric/LeadingNumber.h"
#include "numeric/Rounding.h"
#include "tools/ShapeRules.h"

namespace tooling::tools {

namespace {

constexpr double kPi = std::numbers::pi;
// Closer than this (mm) is the same point: a line or arc that short is left out.
constexpr double kSamePoint = 1e-9;
constexpr int kMaxChords = 720;

double Radians(double degrees) {
    return degrees * kPi / 180;
}
double Degrees(double radians) {
    return radians * 180 / kPi;
}

double Distance(OutlinePoint a, OutlinePoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Cosine and sine of an angle in degrees, exact at the quarter turns.
std::pair<double, double> CosSin(double degrees) {
    const double quarters = degrees / 90;
    if (quarters == std::round(quarters) && std::fabs(quarters) < 1e9) {
        switch (static_cast<long long>(std::round(quarters)) & 3) {
            case 0:
                return {1, 0};
            case 1:
                return {0, 1};
            case 2:
                return {-1, 0};
            default:
                return {0, -1};
        }
    }
    return {std::cos(Radians(degrees)), std::sin(Radians(degrees))};
}

OutlinePoint TurnedAbout(OutlinePoint p, OutlinePoint centre, double degrees) {
    const auto [c, s] = CosSin(degrees);
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    return {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

// Builds one closed path piece by piece, leaving out pieces of no length.
class PathBuilder {
  public:
    explicit PathBuilder(OutlinePoint start) : at_(start) { path_.start = start; }

    void LineTo(OutlinePoint to) {
        if (Distance(at_, to) > kSamePoint) {
            path_.pieces.push_back({to, std::nullopt, 0});
        }
        at_ = to;
    }
    void ArcTo(OutlinePoint to, OutlinePoint centre, double sweep) {
        if (Distance(at_, centre) > kSamePoint && sweep != 0) {
            path_.pieces.push_back({to, centre, sweep});
        }
        at_ = to;
    }
    OutlinePath Close() {
        LineTo(path_.start);
        return path_;
    }

  private:
    OutlinePath path_;
    OutlinePoint at_;
};

// Corner radii of a rectangle, counter-clockwise from the upper right corner.
struct Corners {
    double upperRight = 0, upperLeft = 0, lowerLeft = 0, lowerRight = 0;
};

// A `length` (along x) by `width` rectangle whose corners are rounded by quarter circles.
std::optional<OutlinePath> CorneredRect(double length, double width, Corners r) {
    const double x = length / 2;
    const double y = width / 2;
    const bool fits = r.upperRight >= 0 && r.upperLeft >= 0 && r.lowerLeft >= 0 &&
                      r.lowerRight >= 0 && r.upperRight + r.upperLeft <= length &&
                      r.lowerLeft + r.lowerRight <= length &&
                      r.upperRight + r.lowerRight <= width && r.upperLeft + r.lowerLeft <= width;
    if (!(length > 0 && width > 0 && fits)) {
        return std::nullopt;
    }
    PathBuilder path({x, -y + r.lowerRight});
    path.LineTo({x, y - r.upperRight});
    path.ArcTo({x - r.upperRight, y}, {x - r.upperRight, y - r.upperRight}, 90);
    path.LineTo({-x + r.upperLeft, y});
    path.ArcTo({-x, y - r.upperLeft}, {-x + r.upperLeft, y - r.upperLeft}, 90);
    path.LineTo({-x, -y + r.lowerLeft});
    path.ArcTo({-x + r.lowerLeft, -y}, {-x + r.lowerLeft, -y + r.lowerLeft}, 90);
    path.LineTo({x - r.lowerRight, -y});
    path.ArcTo({x, -y + r.lowerRight}, {x - r.lowerRight, -y + r.lowerRight}, 90);
    return path.Close();
}

std::optional<OutlinePath> Circle(double diameter) {
    if (!(diameter > 0)) {
        return std::nullopt;
    }
    const double r = diameter / 2;
    PathBuilder path({r, 0});
    path.ArcTo({r, 0}, {0, 0}, 360);
    return path.Close();
}

// A circle cut by a flat at `height` from its bottom, above the centre or below it.
std::optional<OutlinePath> SingleD(double diameter, double height) {
    const double r = diameter / 2;
    const double h = height - r;  // the flat's height over the centre
    if (!(height > 0 && height < diameter)) {
        return std::nullopt;
    }
    const double a = std::sqrt(r * r - h * h);
    const double phi = Degrees(std::asin(h / r));
    PathBuilder path({-a, h});
    path.ArcTo({a, h}, {0, 0}, 180 + 2 * phi);
    return path.Close();
}

// A circle cut by two flats `height` apart, one either side of the centre.
std::optional<OutlinePath> DoubleD(double diameter, double height) {
    const double r = diameter / 2;
    const double h = height / 2;
    if (!(height > 0 && height < diameter)) {
        return std::nullopt;
    }
    const double a = std::sqrt(r * r - h * h);
    const double sweep = 2 * Degrees(std::asin(h / r));
    PathBuilder path({-a, h});
    path.ArcTo({-a, -h}, {0, 0}, sweep);
    path.LineTo({a, -h});
    path.ArcTo({a, h}, {0, 0}, sweep);
    return path.Close();
}

// Flats to the left and right, corners at the top and bottom.
std::optional<OutlinePath> Hexagon(double acrossFlats) {
    const double f = acrossFlats / 2;
    const double c = AcrossCorners(acrossFlats) / 2;
    if (!(f > 0 && c > f)) {
        return std::nullopt;
    }
    PathBuilder path({0, -c});
    path.LineTo({f, -c / 2});
    path.LineTo({f, c / 2});
    path.LineTo({0, c});
    path.LineTo({-f, c / 2});
    path.LineTo({-f, -c / 2});
    return path.Close();
}

// The circle with the key standing up from it: the key's sides run on from where they meet the
// circle by the protrusion the shape check works out; a rounded key ends in a half circle.
std::optional<OutlinePath> Keyway(double diameter, double height, double keyWidth, bool keyRound) {
    const std::optional<double> protrusion = KeyProtrusion(diameter, height, keyWidth, keyRound);
    const double r = diameter / 2;
    const double k = keyWidth / 2;
    if (!protrusion || !(*protrusion >= 0 && k > 0 && k <= r)) {
        return std::nullopt;
    }
    const double meet = std::sqrt(r * r - k * k);
    const double top = meet + *protrusion;
    PathBuilder path({k, meet});
    path.LineTo({k, top});
    if (keyRound) {
        path.ArcTo({-k, top}, {0, top}, 180);
    } else {
        path.LineTo({-k, top});
    }
    path.LineTo({-k, meet});
    path.ArcTo({k, meet}, {0, 0}, 360 - 2 * Degrees(std::asin(k / r)));
    return path.Close();
}

// Two arms `length` long and `web` wide crossing at the centre, the four inner corners filled
// with fillets of `radius`.
std::optional<OutlinePath> Cruciform(double length, double web, double radius) {
    const double l = length / 2;
    const double b = web / 2;
    if (!(web > 0 && radius >= 0 && b + radius <= l)) {
        return std::nullopt;
    }
    // Each quarter is the one before turned a quarter turn.
    const auto q = [](int quarter, OutlinePoint p) {
        for (int i = 0; i < quarter; ++i) {
            p = {-p.y, p.x};
        }
        return p;
    };
    PathBuilder path({l, -b});
    for (int quarter = 0; quarter < 4; ++quarter) {
        path.LineTo(q(quarter, {l, b}));
        path.LineTo(q(quarter, {b + radius, b}));
        path.ArcTo(q(quarter, {b, b + radius}), q(quarter, {b + radius, b + radius}), -90);
        path.LineTo(q(quarter, {b, l}));
    }
    return path.Close();
}

// The path of a standard shape from its dimensions as the dialog's boxes show them.
std::optional<OutlinePath> ShapePath(char shapeCode, const std::vector<double>& v, bool keyRound) {
    switch (shapeCode) {
        case 'A':
            return Circle(v[0]);
        case 'B':
            return CorneredRect(v[0], v[0], {});
        case 'C':
            return CorneredRect(v[0], v[0], {v[1], v[1], v[1], v[1]});
        case 'D':
            return CorneredRect(v[0], v[1], {});
        case 'E':
            return CorneredRect(v[0], v[1], {v[2], v[2], v[2], v[2]});
        case 'F': {
            const double r = v[1] / 2;
            return CorneredRect(v[0], v[1], {r, r, r, r});
        }
        case 'G':
            return SingleD(v[0], v[1]);
        case 'H':
            return DoubleD(v[0], v[1]);
        case 'I': {
            // The body ends in a half circle as wide as the tool on its right (a bullet): the
            // dimensions give only the length and width, and this is the form the trade draws.
            const double r = v[1] / 2;
            return CorneredRect(v[0], v[1], {r, 0, 0, r});
        }
        case 'J':
            return Hexagon(v[0]);
        case 'K':
            return Keyway(v[0], v[1], v[2], keyRound);
        case 'L':
            // The slit is the straight lower side; the formed hood rises to the upper side, its
            // ends quarter circles as deep as the louvre is wide (what allows at most half the
            // length). The dimensions fix no more than this form the trade draws.
            return CorneredRect(v[0], v[1], {v[1], v[1], 0, 0});
        case 'M':
            return Cruciform(v[0], v[1], v[2]);
        default:
            return std::nullopt;
    }
}

void Include(OutlineBox& box, OutlinePoint p, bool& first) {
    if (first) {
        box = {p.x, p.y, p.x, p.y};
        first = false;
        return;
    }
    box.minX = std::min(box.minX, p.x);
    box.minY = std::min(box.minY, p.y);
    box.maxX = std::max(box.maxX, p.x);
    box.maxY = std::max(box.maxY, p.y);
}

}  // namespace

std::optional<ToolOutline> OutlineOf(char shapeCode, const std::array<float, 4>& dims,
                                     std::string_view name) {
    std::optional<OutlinePath> path;
    ToolOutline outline;
    if (shapeCode == 'S') {
        const double x = dims[0];
        const double y = dims[1];
        if (std::isfinite(x) && std::isfinite(y)) {
            path = CorneredRect(x, y, {});
        }
        outline.label = core::Trim(std::string(name));
    } else {
        const ShapeRule* rule = RuleOfCode(shapeCode);
        if (rule == nullptr) {
            return std::nullopt;
        }
        // The values as the dialog shows them for editing; the tool must pass its checks.
        std::vector<double> values = EditValues(*rule, dims);
        for (double& value : values) {
            value = numeric::RoundHalfEven(value, 3);
        }
        const bool keyRound = rule->code == 'K' && dims[2] < 0;
        if (!ShapeDims(rule->code, values, keyRound)) {
            return std::nullopt;
        }
        path = ShapePath(rule->code, values, keyRound);
    }
    if (!path) {
        return std::nullopt;
    }
    outline.paths.push_back(std::move(*path));
    outline.extents = ExtentsOf(outline.paths);
    return outline;
}

std::optional<ToolOutline> OutlineOfTool(const library::ToolRec& rec) {
    std::optional<ToolOutline> outline = OutlineOf(rec.Shape, rec.Dims, rec.Descr);
    const float first = rec.Angles[0];
    if (outline && first > 0 && first < 360) {
        outline = Turned(*outline, first);
    }
    return outline;
}

std::optional<ToolOutline> StationOutline(std::string_view shape, std::string_view tool,
                                          const std::array<double, 4>& dims,
                                          std::string_view angle) {
    std::array<float, 4> stored{};
    for (std::size_t i = 0; i < dims.size(); ++i) {
        // A number a record cannot hold draws nothing.
        if (!(std::fabs(dims[i]) <= std::numeric_limits<float>::max())) {
            return std::nullopt;
        }
        stored[i] = static_cast<float>(dims[i]);
    }
    std::optional<ToolOutline> outline;
    if (shape.size() == 1) {
        outline = OutlineOf(shape.front(), stored, tool);
    }
    const double degrees = numeric::LeadingNumber(angle);
    if (outline && std::isfinite(degrees) && degrees != 0) {
        outline = Turned(*outline, degrees);
    }
    return outline;
}

ToolOutline Turned(const ToolOutline& outline, double degrees) {
    ToolOutline turned = outline;
    const OutlinePoint origin;
    for (OutlinePath& path : turned.paths) {
        path.start = TurnedAbout(path.start, origin, degrees);
        for (OutlinePiece& piece : path.pieces) {
            piece.to = TurnedAbout(piece.to, origin, degrees);
            if (piece.centre) {
                piece.centre = TurnedAbout(*piece.centre, origin, degrees);
            }
        }
    }
    turned.extents = ExtentsOf(turned.paths);
    return turned;
}

OutlineBox ExtentsOf(const std::vector<OutlinePath>& paths) {
    OutlineBox box;
    bool first = true;
    for (const OutlinePath& path : paths) {
        OutlinePoint at = path.start;
        Include(box, at, first);
        for (const OutlinePiece& piece : path.pieces) {
            Include(box, piece.to, first);
            if (piece.centre) {
                // The arc reaches further than its ends where it crosses an axis through its
                // centre.
                const OutlinePoint c = *piece.centre;
                const double r = Distance(at, c);
                const double from = Degrees(std::atan2(at.y - c.y, at.x - c.x));
                const double lo = std::min(from, from + piece.sweep);
                const double hi = std::max(from, from + piece.sweep);
                for (double quarter = std::ceil(lo / 90); quarter * 90 <= hi; ++quarter) {
                    const auto [cos, sin] = CosSin(quarter * 90);
                    Include(box, {c.x + r * cos, c.y + r * sin}, first);
                }
            }
            at = piece.to;
        }
    }
    return box;
}

std::vector<OutlinePoint> Flattened(const OutlinePath& path, double tolerance) {
    std::vector<OutlinePoint> points{path.start};
    OutlinePoint at = path.start;
    for (const OutlinePiece& piece : path.pieces) {
        if (piece.centre) {
            const OutlinePoint c = *piece.centre;
            const double r = Distance(at, c);
            const double tol = tolerance > 0 ? tolerance : r / 1000;
            // A chord over the angle t strays r (1 - cos(t / 2)) from its arc.
            const double step = 2 * std::acos(std::clamp(1 - tol / r, -1.0, 1.0));
            const double chords = std::ceil(std::fabs(Radians(piece.sweep)) / step);
            const int n = chords >= 1 ? static_cast<int>(std::min<double>(chords, kMaxChords))
                                      : (chords < 1 ? 1 : kMaxChords);
            for (int i = 1; i < n; ++i) {
                points.push_back(TurnedAbout(at, c, piece.sweep * i / n));
            }
        }
        points.push_back(piece.to);
        at = piece.to;
    }
    return points;
}

}  // namespace tooling::tools
