#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tooling::core {

inline constexpr std::size_t kDefaultToolRecSize = 47;
inline constexpr std::size_t kDescrWidth = 18;

// One of the four default tools of a library (X shearing, Y shearing, clearing, nibbling), as
// held in memory; the empty default as initialised here.
struct DefaultToolRec {
    std::int16_t recordNo = 0;  // record of the tool in its shape's file; 0 or less = none
    char shape = ' ';
    std::string descr = std::string(kDescrWidth, ' ');  // always 18 characters
    std::array<float, 4> dims{};
    std::int16_t stnType = 0;
    std::int16_t stnKind = 0;
    float angle = 0.0F;
    std::int16_t reserved = 0;

    bool operator==(const DefaultToolRec&) const = default;
};

}  // namespace tooling::core
