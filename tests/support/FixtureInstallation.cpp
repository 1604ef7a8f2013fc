#include "tests/support/FixtureInstallation.h"

#include <filesystem>

#include "core/TextFile.h"
#include "tests/support/GoldenCases.h"

namespace tooling::test {

FixtureInstallation::FixtureInstallation(int machineNo, std::string root) : dir_(std::move(root)) {
    // A throw-away installation need not survive a power cut: skipping the flush to disk keeps
    // each start well under a second.
    services_.fs = UnflushedFileSystem();
    WriteConfig(" " + std::to_string(machineNo) + " ");
    WriteFiles(TOOLING_SUPPORT_GOLDEN_DIR "/Installation.txt");
    std::filesystem::create_directories(PathOf(Path("Users")));
    Restart();
}

std::string FixtureInstallation::Config(std::string_view line4, std::string_view line5) const {
    return core::TextFileBytes(
        {ProgramDir(), DataDir(), UserRoot(), std::string(line4), std::string(line5)});
}

void FixtureInstallation::WriteFiles(const std::string& cases) {
    for (const GoldenCase& file : ReadGoldenCases(cases)) {
        Write(file.name, file["bytes"]);
    }
}

void FixtureInstallation::AddReverseProgram() {
    Write("Program/Dostrel.exe", "reverse-subroutine program stand-in\n");
    Write("Program/Reverse.lst", core::TextFileBytes({"1,\"Reverse 1\""}));
}

core::Session& FixtureInstallation::Restart() {
    session_ = std::make_unique<core::Session>(services_.services);
    session_->inst.StartDir = ProgramDir();
    return *session_;
}

}  // namespace tooling::test
