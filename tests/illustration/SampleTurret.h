#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "library/LibrarySetUp.h"
#include "library/TurretRows.h"
#include "tests/output/OutputFixture.h"

namespace tooling::test {

// A copy of the sample installation started on the Kestrel TP-20 (20 stations, index stations 9
// and 18), library "Shop Standard", whose turret 1 "PRODUCTION" holds tools of several shapes.
class SampleTurret : public ::testing::Test, public OutputServices {
  protected:
    SampleTurret() {
        std::filesystem::copy(TOOLING_EXAMPLES_DIR, PathOf(dir.path()),
                              std::filesystem::copy_options::recursive);
        const std::string program = dir.path() + Native("Program/");
        WriteFile(program + "Ostrevan.cfg", program + "\r\n" + dir.path() + Native("Data/") +
                                                "\r\n" + dir.path() + Native("Users/") +
                                                "\r\n 1 \r\nOstrevan\r\n******\r\n");
        session.inst.StartDir = program;
        EXPECT_EQ(library::StartSession(session), core::StartOutcome::Ready);
        rows = library::LoadTurret(session, 1);
    }

    std::vector<library::StationRow> rows;
};

}  // namespace tooling::test
