#pragma once

#include <optional>
#include <string_view>

namespace tooling::numeric {

// The value of an expression typed into a dimension box, or nothing when it is rejected:
// unbalanced parentheses, a division by zero, or an operation without a finite result (arc sine
// or arc cosine of a magnitude of 1 or more, a negative number to a fractional power, overflow,
// a number beyond the double range). Operators apply from left to right, without precedence.
std::optional<double> EvalExpr(std::string_view expression);

// The angle brought into 0 <= a < 360; not a number for an infinite or undefined angle.
double NormAngle(double degrees);

// NormAngle of the angle, in radians.
double DegToRad(double degrees);

}  // namespace tooling::numeric
