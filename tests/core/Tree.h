#pragma once

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace tooling::test {

// Every file and folder under `root` (ending in "/"), relative to it; folders end in "/".
inline std::set<std::string> Tree(const std::string& root) {
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        std::string path = entry.path().string().substr(root.size());
        if (entry.is_directory()) {
            path += "/";
        }
        entries.insert(path);
    }
    return entries;
}

// The entries of `after` that are not in `before`, sorted.
inline std::vector<std::string> Added(const std::set<std::string>& before,
                                      const std::set<std::string>& after) {
    std::vector<std::string> added;
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                        std::back_inserter(added));
    return added;
}

}  // namespace tooling::test
