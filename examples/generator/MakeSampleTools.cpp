// Writes the tool libraries of the sample installation from their text sources:
//
//   make_sample_tools <examples folder> <output folder>
//
// reads each <examples>/source/<machine>/<library>.txt with the station types of
// <examples>/Data/Data/<machine>.stn, and writes the library's files to
// <output>/Data/Tools/<machine>/. `make_sample_tools examples examples` renews the committed
// files after a source has changed.

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/Session.h"
#include "core/Stations.h"
#include "examples/generator/GeneratorMain.h"
#include "examples/generator/SampleLibrary.h"
#include "tests/support/TestServices.h"

namespace {

namespace fs = std::filesystem;
using tooling::examples::ReadAll;
using tooling::examples::Sorted;

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// The machine's station types; nothing is shown, so the fakes of the tests stand in for the user.
tooling::core::Machine StationsOf(const fs::path& examples, const std::string& machineFolder) {
    tooling::test::TestServices services;
    tooling::core::Session session(services.services);
    session.machine.MachineDataPrefix = (examples / "Data" / "Data" / machineFolder).string() + ".";
    tooling::core::ReadStations(session);
    return session.machine;
}

// Writes the tool libraries of every machine's sources; returns how many files it wrote.
int WriteLibraries(const fs::path& examples, const fs::path& output, fs::path& source) {
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
            for (const tooling::examples::SampleFile& file : tooling::examples::SampleLibraryFiles(
                     ReadAll(path), path.stem().string(), stations)) {
                WriteAll(toolDir / file.name, file.bytes);
                ++written;
            }
        }
    }
    return written;
}

}  // namespace

int main(int argc, char* argv[]) {
    return tooling::examples::GeneratorMain("make_sample_tools", argc, argv, WriteLibraries);
}
