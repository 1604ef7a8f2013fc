// Any turret index lists entries with trimmed names and numbers above 0, the first of those a
// rewrite keeps (a line without a comma ends the listing but not the rewrite); an insert adds
// exactly its entry to them, a removal takes exactly the entries of its number, and a rewritten
// index is whole.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/Text.h"
#include "turrets/TurretFiles.h"

using tooling::turrets::IndexWithEntry;
using tooling::turrets::IndexWithout;
using tooling::turrets::ParseTurretIndex;
using tooling::turrets::TurretEntry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<TurretEntry> listed = ParseTurretIndex(bytes);
    for (const TurretEntry& entry : listed) {
        if (entry.number < 1 || entry.name != tooling::core::Trim(entry.name) ||
            entry.name.find(',') != std::string::npos) {
            std::abort();
        }
    }
    // Number 0 is never listed, so removing it shows every entry a rewrite keeps.
    const std::vector<TurretEntry> kept = ParseTurretIndex(IndexWithout(bytes, 0));
    if (kept.size() < listed.size() || !std::equal(listed.begin(), listed.end(), kept.begin())) {
        std::abort();
    }

    const TurretEntry added{"Fuzz Turret", 32767};
    std::vector<TurretEntry> inserted =
        ParseTurretIndex(IndexWithEntry(bytes, added.name, added.number));
    const auto at =
        std::mismatch(kept.begin(), kept.end(), inserted.begin(), inserted.end()).second;
    if (at == inserted.end() || !(*at == added)) {
        std::abort();
    }
    inserted.erase(at);
    if (inserted != kept) {
        std::abort();
    }

    const std::int16_t number = kept.empty() ? 1 : kept.back().number;
    const std::string without = IndexWithout(bytes, number);
    std::vector<TurretEntry> expected = kept;
    std::erase_if(expected, [number](const TurretEntry& entry) { return entry.number == number; });
    if (ParseTurretIndex(without) != expected || IndexWithout(without, number) != without) {
        std::abort();
    }
    return 0;
}
