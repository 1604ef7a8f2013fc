#include "examples/generator/GeneratorMain.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace tooling::examples {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return bytes.str();
}

std::vector<fs::path> Sorted(const fs::path& folder) {
    std::vector<fs::path> entries{fs::directory_iterator(folder), fs::directory_iterator()};
    std::sort(entries.begin(), entries.end());
    return entries;
}

int GeneratorMain(const char* name, int argc, char* argv[], const Generate& generate) {
    if (argc != 3) {
        std::cerr << "usage: " << name << " <examples folder> <output folder>\n";
        return 64;
    }
    const fs::path examples = argv[1];
    const fs::path output = argv[2];
    fs::path source;
    try {
        const int written = generate(examples, output, source);
        std::cout << name << ": " << written << " files written to " << output.string() << "\n";
    } catch (const std::exception& error) {
        std::cerr << name << ": " << (source.empty() ? "" : source.string() + ": ") << error.what()
                  << "\n";
        return 1;
    }
    return 0;
}

}  // namespace tooling::examples
