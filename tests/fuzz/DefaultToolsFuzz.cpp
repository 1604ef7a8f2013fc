// Any bytes decode as default records without reading past them; a whole 47-byte record encodes
// back to the same bytes, and a defaults file's records are the records at their offsets.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/DefaultToolRec.h"
#include "library/DefaultTools.h"

using tooling::core::kDefaultToolRecSize;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const tooling::core::DefaultToolRec rec = tooling::library::DecodeDefault(bytes);
    if (rec.descr.size() != tooling::core::kDescrWidth) {
        std::abort();
    }
    if (size >= kDefaultToolRecSize &&
        tooling::library::EncodeDefault(rec) != bytes.substr(0, kDefaultToolRecSize)) {
        std::abort();
    }
    if (size < kDefaultToolRecSize && !(rec == tooling::core::DefaultToolRec{})) {
        std::abort();
    }

    const tooling::library::DefaultSet set = tooling::library::DecodeDefaults(bytes);
    for (std::size_t i = 0; i < set.size(); ++i) {
        const std::size_t at = i * kDefaultToolRecSize;
        const std::string_view record =
            at < size ? bytes.substr(at, kDefaultToolRecSize) : std::string_view();
        const std::string expected = record.size() == kDefaultToolRecSize
                                         ? std::string(record)
                                         : tooling::library::EncodeDefault({});
        if (tooling::library::EncodeDefault(set[i]) != expected) {
            std::abort();
        }
    }
    return 0;
}
