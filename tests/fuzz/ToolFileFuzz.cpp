// Any bytes read as tool records without reading past them: a whole 89-byte record encodes back
// to the same bytes, a shorter one reads as if padded with zero bytes, and a tool file holds
// exactly its whole records, each the record at its offset.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "library/ToolFile.h"
#include "library/ToolRec.h"
#include "tests/fuzz/FuzzLibrary.h"

using tooling::library::kToolRecSize;
using tooling::library::ToolRec;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ToolRec rec = tooling::library::ToolRecFromBytes(bytes);
    std::string whole(bytes.substr(0, kToolRecSize));
    whole.resize(kToolRecSize, '\0');
    if (rec.Descr.size() != tooling::library::kToolDescrWidth ||
        tooling::library::ToolRecBytes(rec) != whole) {
        std::abort();
    }
    // The rules a rewrite applies take any record.
    for (const char code : {'A', 'S'}) {
        (void)tooling::library::ValidTool(code, rec);
        (void)tooling::library::SortsAfter(code, rec, tooling::library::BlankToolRec());
    }

    static tooling::test::FuzzLibrary library;
    library.Write("B", bytes);
    const std::vector<ToolRec> recs = tooling::library::ReadToolFile(library.session, 'B');
    if (recs.size() != size / kToolRecSize) {
        std::abort();
    }
    for (std::size_t i = 0; i < recs.size(); ++i) {
        if (tooling::library::ToolRecBytes(recs[i]) !=
            bytes.substr(i * kToolRecSize, kToolRecSize)) {
            std::abort();
        }
    }
    return 0;
}
