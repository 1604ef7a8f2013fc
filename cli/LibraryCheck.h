#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::cli {

struct CheckReport {
    std::vector<std::string> faults;    // what stays wrong
    std::vector<std::string> repaired;  // what --repair put right
};

// Looks for what does not hold together in the current library: defaults that point at a
// missing record, at one that is not a valid tool or at another tool than they describe; tools
// whose default mark disagrees with the defaults; turret stations whose tool is no longer in the
// library; drawing-index entries without a drawing and drawings without an entry; records that
// are not valid tools. With `repair`, a default whose tool moved is pointed at it again and wrong
// marks are corrected, each by the library's own locked rewrite; the rest is only reported.
// `progress` hears of each tool file and each turret read. Throws platform::FileError.
using CheckProgress =
    std::function<void(const std::string& step, std::size_t done, std::size_t count)>;
CheckReport CheckLibrary(core::Session& session, bool repair, const CheckProgress& progress = {});

}  // namespace tooling::cli
