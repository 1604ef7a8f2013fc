// Any drawing index reads as entries whose names are trimmed and hold no "*", whose numbers are
// 1 to 32767, and whose drawing files lie in the library's folder; a name finds the number of
// its first entry.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/Text.h"
#include "library/SpecialDrawings.h"
#include "tests/fuzz/FuzzLibrary.h"

namespace fs = std::filesystem;
using tooling::library::DrawingEntry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tooling::test::FuzzLibrary library;
    static const fs::path folder = fs::path(library.dir.path()).parent_path();
    library.Write("lkp", std::string_view(reinterpret_cast<const char*>(data), size));

    const std::vector<DrawingEntry> index = tooling::library::ReadDrawingIndex(library.session);
    for (std::size_t i = 0; i < index.size(); ++i) {
        const DrawingEntry& entry = index[i];
        if (entry.number < 1 || entry.name != tooling::core::Trim(entry.name) ||
            entry.name.find('*') != std::string::npos) {
            std::abort();
        }
        const fs::path drawing = tooling::library::DrawingPath(library.session, entry.number);
        const std::string file = drawing.filename().string();
        if (drawing.parent_path() != folder || file != "Lib." + std::to_string(entry.number)) {
            std::abort();
        }
        std::size_t first = 0;
        while (index[first].name != entry.name) {
            ++first;
        }
        if (tooling::library::DrawingNumber(index, entry.name) != index[first].number) {
            std::abort();
        }
    }
    return 0;
}
