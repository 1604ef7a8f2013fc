#include "core/FileValues.h"

#include <cmath>
#include <limits>

#include "numeric/LeadingNumber.h"
#include "numeric/Rounding.h"
#include "platform/FileError.h"

namespace tooling::core {

std::optional<std::int16_t> TruncatedInt16(std::string_view text) {
    const double value = std::trunc(numeric::LeadingNumber(text));
    if (!(value >= -32768.0 && value <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t Int16Field(std::string_view text, const std::string& path, std::string_view what) {
    const std::optional<std::int16_t> value = numeric::NearestInt16(numeric::LeadingNumber(text));
    if (!value) {
        throw platform::FileError(
            path, std::string(what) + ": \"" + std::string(text) + "\" is outside -32768 to 32767");
    }
    return *value;
}

float Millimetres(double value, bool imperial) {
    constexpr double kMmPerInch = 25.4;
    const double mm = imperial ? numeric::RoundHalfEven(value * kMmPerInch, 3) : value;
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isfinite(mm) && std::fabs(mm) > kMax) {
        return mm > 0 ? std::numeric_limits<float>::infinity()
                      : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(mm);
}

}  // namespace tooling::core
