#include "library/ToolSizeText.h"

#include <cmath>

#include "core/Text.h"
#include "numeric/NumText.h"
#include "numeric/Rounding.h"

namespace tooling::library {

namespace {

constexpr double kMmPerInch = 25.4;

// One stored length as the lists show it.
std::string Length(float mm, bool imperialDisplay, int imperialDecimals) {
    if (!imperialDisplay) {
        return numeric::NumText(mm, -1);
    }
    return numeric::NumText(
        numeric::RoundHalfEven(static_cast<double>(mm) / kMmPerInch, imperialDecimals), -1);
}

}  // namespace

std::string ToolSizeText(char shapeCode, const ToolRec& rec, bool imperialDisplay,
                         int imperialDecimals) {
    if (shapeCode == 'S') {
        return core::Trim(rec.Descr);
    }
    const auto dim = [&](std::size_t i) {
        return Length(rec.Dims[i], imperialDisplay, imperialDecimals);
    };
    switch (shapeCode) {
        case 'C':
            return dim(0) + "r" + dim(3);
        case 'D':
        case 'F':
        case 'G':
        case 'H':
        case 'I':
        case 'L':
            return dim(0) + "x" + dim(1);
        case 'E':
            return dim(0) + "x" + dim(1) + "r" + dim(3);
        case 'K':
            // A rounded key is stored with a negative width.
            return dim(0) + "x" + dim(1) + "w" +
                   Length(std::fabs(rec.Dims[2]), imperialDisplay, imperialDecimals);
        case 'M':
            return dim(0) + "w" + dim(2) + "r" + dim(3);
        default:  // A (Diameter and Router), B, J
            return dim(0);
    }
}

}  // namespace tooling::library
