#include "numeric/NumText.h"

namespace tooling::numeric {

std::string IntText(std::int16_t value) {
    return std::to_string(value);
}

std::string PrintedNumber(std::int16_t value) {
    return (value < 0 ? "" : " ") + IntText(value) + " ";
}

}  // namespace tooling::numeric
