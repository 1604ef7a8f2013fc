#pragma once

// Tool files as tests write and expect them.

#include <string>
#include <vector>

#include "library/ToolRec.h"

namespace tooling::test {

// The bytes of a tool file holding the records in order.
inline std::string ToolFileBytes(const std::vector<library::ToolRec>& recs) {
    std::string bytes;
    for (const library::ToolRec& rec : recs) {
        bytes += library::ToolRecBytes(rec);
    }
    return bytes;
}

}  // namespace tooling::test
