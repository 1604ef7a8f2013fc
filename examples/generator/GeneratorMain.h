#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tooling::examples {

// The bytes of a file; throws std::runtime_error when it cannot be read.
std::string ReadAll(const std::filesystem::path& path);

// The entries of a folder, sorted.
std::vector<std::filesystem::path> Sorted(const std::filesystem::path& folder);

// A generator's work: writes from the examples folder into the output folder and returns how
// many files it wrote. `source` holds the source file being read, empty between sources.
using Generate =
    std::function<int(const std::filesystem::path& examples, const std::filesystem::path& output,
                      std::filesystem::path& source)>;

// The main of the generator `name`, called as `<name> <examples folder> <output folder>`: says how
// many files `generate` wrote, or what failed and in which source. Returns the exit status.
int GeneratorMain(const char* name, int argc, char* argv[], const Generate& generate);

}  // namespace tooling::examples
