// The start-up on any contents of the files a user or another program may have edited: the
// input, cut at each "#|#", gives lines 4 on of "Ostrevan.cfg" (its three roots stay those of
// the installation), "Machine.lst", and the station-type and turret-station files of the
// machine folder "Metric". The start-up ends ready, refused or with a FileError; anything else
// escaping is a fault.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/StartUp.h"
#include "platform/FileError.h"
#include "tests/support/FixtureInstallation.h"

namespace {

std::vector<std::string_view> Parts(std::string_view input) {
    std::vector<std::string_view> parts;
    for (std::size_t cut = input.find("#|#"); cut != std::string_view::npos && parts.size() < 3;
         cut = input.find("#|#")) {
        parts.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 3);
    }
    parts.push_back(input);
    parts.resize(4);
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Folder names come from these files; keep every path inside the installation.
    if (input.find("..") != std::string_view::npos) {
        return -1;
    }
    static tooling::test::FixtureInstallation fixture;
    const std::vector<std::string_view> parts = Parts(input);
    fixture.Write("Program/Ostrevan.cfg", fixture.ProgramDir() + "\r\n" + fixture.DataDir() +
                                              "\r\n" + fixture.UserRoot() + "\r\n" +
                                              std::string(parts[0]));
    fixture.Write("Program/Machine.lst", parts[1]);
    fixture.Write("Data/Data/Metric.stn", parts[2]);
    fixture.Write("Data/Data/Metric.trt", parts[3]);
    try {
        (void)tooling::core::StartUp(fixture.Restart());
    } catch (const tooling::platform::FileError&) {
    }
    return 0;
}
