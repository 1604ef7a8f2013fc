#include "core/Stations.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "core/StartUp.h"
#include "numeric/NumText.h"
#include "tests/core/Helpers.h"
#include "tests/support/GoldenCases.h"

namespace tooling::core {
namespace {

using test::FixtureInstallation;

// Each filled type of StationTable as "number[name]kind size1 size2 count/copy", the name
// without its padding to 18 (marked when it is not 18 long), then "list:" and the types of
// StationList.
std::string Types(const Machine& m) {
    std::string text;
    for (const StationType& t : m.StationTable) {
        if (t.number != 0 || t.name != std::string(18, ' ') || t.count != 0) {
            const std::string name = t.name.substr(0, t.name.find_last_not_of(' ') + 1);
            text += std::to_string(t.number) + "[" + name +
                    (t.name.size() == kStationNameWidth ? "]" : " not 18]") +
                    std::to_string(t.kind) + " " + numeric::NumText(t.size1, -1) + " " +
                    numeric::NumText(t.size2, -1) + " " + std::to_string(t.count) + "/" +
                    std::to_string(t.countCopy) + "\n";
        }
    }
    text += "list:";
    for (int i = 1; i <= m.StationList[0]; ++i) {
        text += " " + std::to_string(m.StationList[i]);
    }
    return text;
}

std::string Station(const TurretStation& s) {
    return std::to_string(s.station) + "|" + std::to_string(s.second) + "|" +
           std::to_string(s.type) + "|" + std::to_string(s.kind) + "|" + s.label + "|" + s.fifth +
           "|" + (s.valid ? "valid" : "-");
}

// One metric and one imperial installation read every case's files in turn; a case with a turret
// file has its turret-station rows -1, 0, 1, 2, 3, 4, 5 and 24 compared too.
TEST(ReadStations, StationTypeAndTurretFiles) {
    FixtureInstallation metric;
    FixtureInstallation imperial(FixtureInstallation::kImperial);
    ASSERT_EQ(StartUp(metric.session()), StartOutcome::Ready);
    ASSERT_EQ(StartUp(imperial.session()), StartOutcome::Ready);
    for (const test::GoldenCase& row :
         test::ReadGoldenCases(TOOLING_GOLDEN_DIR "/StationTypeFiles.txt")) {
        FixtureInstallation& fx = row.Has("imperial") ? imperial : metric;
        const std::string files = row.Has("imperial") ? "Data/Data/Imperial" : "Data/Data/Metric";
        fx.Write(files + ".stn", row["stn"]);
        if (row.Has("trt")) {
            fx.Write(files + ".trt", row["trt"]);
        }
        ReadStations(fx.session());
        const Machine& m = fx.session().machine;
        EXPECT_EQ(Types(m), row["types"]) << row.name;
        if (row.Has("rows")) {
            std::string rows;
            for (const int number : {-1, 0, 1, 2, 3, 4, 5, 24}) {
                rows += Station(TurretStationAt(m, number)) + "\n";
            }
            EXPECT_EQ(rows, row["rows"]) << row.name;
        }
    }
}

}  // namespace
}  // namespace tooling::core
