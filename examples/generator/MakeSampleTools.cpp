// Writes the tool libraries of the sample installation from their text sources:
//
//   make_sample_tools <examples folder> <output folder>
//
// reads each <examples>/source/<machine>/<library>.txt with the station types of
// <examples>/Data/Data/<machine>.stn, and writes the library's files to
// <output>/Data/Tools/<machine>/. `make_sample_tools examples examples` renews the committed
// files after a source has changed.

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Session.h"
#include "core/Stations.h"
#include "examples/generator/SampleLibrary.h"
#include "tests/support/TestServices.h"

namespace {

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

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<fs::path> Sorted(const fs::path& folder) {
    std::vector<fs::path> entries{fs::directory_iterator(folder), fs::directory_iterator()};
    std::sort(entries.begin(), entries.end());
    return entries;
}

// The machine's station types; nothing is shown, so the fakes of the tests stand in for the user.
tooling::core::Machine StationsOf(const fs::path& examples, const std::string& machineFolder) {
    tooling::test::TestServices services;
    tooling::core::Session session(services.services);
    session.machine.MachineDataPrefix = (examples / "Data" / "Data" / machineFolder).string() + ".";
    tooling::core::ReadStations(session);
    return session.machine;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: make_sample_tools <examples folder> <output folder>\n";
        return 64;
    }
    const fs::path examples = argv[1];
    const fs::path output = argv[2];
    fs::path source;
    try {
        int written = 0;
        for (const fs::path& machineDir : Sorted(examples / "source")) {
            const std::string machine = machineDir.filename().string();
            source.clear();
            const tooling::core::Machine stations = StationsOf(examples, machine);
            const fs::path toolDir = output / "Data" / "Tools" / machine;
            fs::create_directories(toolDir);
            for (const fs::path& path : Sorted(machineDir)) {
                if (path.extension() != ".txt") {
                    continue;
                }
                source = path;
                for (const tooling::examples::SampleFile& file :
                     tooling::examples::SampleLibraryFiles(ReadAll(path), path.stem().string(),
                                                           stations)) {
                    WriteAll(toolDir / file.name, file.bytes);
                    ++written;
                }
            }
        }
        std::cout << "make_sample_tools: " << written << " files written to " << output.string()
                  << "\n";
    } catch (const std::exception& error) {
        std::cerr << "make_sample_tools: " << (source.empty() ? "" : source.string() + ": ")
                  << error.what() << "\n";
        return 1;
    }
    return 0;
}
