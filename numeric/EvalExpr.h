#pragma once

#include <optional>
#include <string_view>

namespace tooling::numeric {

// The value of an expression typed into a dimension box, or nothing when it is rejected.
std::optional<double> EvalExpr(std::string_view expression);

// The angle brought into 0 <= a < 360.
double NormAngle(double degrees);

// NormAngle of the angle, in radians.
double DegToRad(double degrees);

}  // namespace tooling::numeric
