// The sample libraries' generator: what it refuses. What it makes of a source is the test that
// the files committed under examples/ are what it writes (CompareSample.cmake).

#include "examples/generator/SampleLibrary.h"

#include <gtest/gtest.h>

#include <string>

#include "core/Machine.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/GoldenText.h"

namespace tooling::test {
namespace {

using examples::SampleLibraryFiles;

// Station types 1 "A 12.7mm" (kind 10), 2 "B Index" (kind 20), 3 "Gap" (kind 0, listed but
// not offered by the dialogs), 4 "Clamp" (kind 5, not listed).
core::Machine Stations() {
    core::Machine machine;
    const auto add = [&](std::int16_t number, const std::string& name, std::int16_t kind) {
        machine.StationTable[static_cast<std::size_t>(number)] = {
            number, name + std::string(18 - name.size(), ' '), kind, 0, 0, 1, 1};
    };
    add(1, "A 12.7mm", 10);
    add(2, "B Index", 20);
    add(3, "Gap", 0);
    add(4, "Clamp", 5);
    machine.StationList = {3, 1, 2, 3};
    return machine;
}

TEST(SampleLibrary, RefusesWhatADialogOrTheToolFileWouldNot) {
    for (const GoldenCase& row : ReadGoldenCases(TOOLING_GOLDEN_DIR "/SampleRefusals.txt")) {
        EXPECT_EQ(test::ErrorOf<examples::SampleSourceError>(
                      [&] { SampleLibraryFiles(row["source"], "Lib", Stations()); }),
                  row["message"])
            << row.name;
    }
}

}  // namespace
}  // namespace tooling::test
