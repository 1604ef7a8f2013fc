// Any drawing file gives finite, positive extents: the two stored at bytes 150 and 154 of a whole
// first record when both are finite and positive, otherwise the 12 x 12 of a missing drawing;
// a special tool named in the index gets the extents of its drawing file.

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "library/SpecialDrawings.h"
#include "tests/fuzz/FuzzLibrary.h"

using tooling::library::DrawingExtents;

namespace {

constexpr std::size_t kRecordSize = 518;

float StoredFloat(const std::uint8_t* data, std::size_t at) {
    const std::uint32_t bits = static_cast<std::uint32_t>(data[at]) |
                               static_cast<std::uint32_t>(data[at + 1]) << 8 |
                               static_cast<std::uint32_t>(data[at + 2]) << 16 |
                               static_cast<std::uint32_t>(data[at + 3]) << 24;
    return std::bit_cast<float>(bits);
}

bool Usable(float extent) {
    return std::isfinite(extent) && extent > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DrawingExtents extents = tooling::library::ExtentsFromBytes(bytes);

    DrawingExtents expected;  // 12 x 12
    if (size >= kRecordSize) {
        const float x = StoredFloat(data, 150);
        const float y = StoredFloat(data, 154);
        if (Usable(x) && Usable(y)) {
            expected = {x, y};
        }
    }
    if (!Usable(extents.x) || !Usable(extents.y) || !(extents == expected)) {
        std::abort();
    }

    static tooling::test::FuzzLibrary library;
    library.Write("lkp", "NOTCH, 1 \r\n******\r\n");
    library.Write("1", bytes);
    if (!(tooling::library::ReadDrawingExtents(library.session, "NOTCH") == extents)) {
        std::abort();
    }
    return 0;
}
