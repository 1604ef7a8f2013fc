#include "numeric/Rounding.h"

#include <cmath>

namespace tooling::numeric {

double RoundHalfEven(double value, int decimals) {
    if (decimals < 0 || !std::isfinite(value)) {
        return value;
    }
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (!std::isfinite(scaled)) {
        return value;
    }
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return std::nearbyint(scaled) / scale;
}

std::optional<std::int16_t> NearestInt16(double value) {
    if (std::isnan(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace tooling::numeric
