#include "core/Stations.h"

#include <gtest/gtest.h>

#include "core/Session.h"
#include "core/StartUp.h"
#include "numeric/NumText.h"
#include "platform/FileError.h"
#include "tests/support/FixtureInstallation.h"

namespace tooling::core {
namespace {

using test::FixtureInstallation;

// "number|name|kind|size1|size2|count|copy" of every non-empty entry of StationTable.
std::vector<std::string> TableRows(const Machine& m) {
    std::vector<std::string> rows;
    for (const StationType& t : m.StationTable) {
        if (t.number == 0 && t.name == std::string(18, ' ') && t.count == 0) {
            continue;
        }
        rows.push_back(std::to_string(t.number) + "|" + t.name + "|" + std::to_string(t.kind) +
                       "|" + numeric::NumText(t.size1, -1) + "|" + numeric::NumText(t.size2, -1) +
                       "|" + std::to_string(t.count) + "|" + std::to_string(t.countCopy));
    }
    return rows;
}

std::vector<int> ListOf(const Machine& m) {
    return std::vector<int>(m.StationList.begin(), m.StationList.begin() + 1 + m.StationList[0]);
}

std::string TurretRow(const TurretStation& s) {
    return std::to_string(s.station) + "|" + std::to_string(s.second) + "|" +
           std::to_string(s.type) + "|" + std::to_string(s.kind) + "|" + s.label + "|" + s.fifth +
           "|" + (s.valid ? "valid" : "-");
}

TEST(ReadStations, FixtureMetricMachine) {
    FixtureInstallation fx;
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    const Machine& m = fx.session().machine;
    EXPECT_EQ(TableRows(m), (std::vector<std::string>{
                                "1|A Station         |10|12.7|0|9|9",
                                "2|B Station         |10|31.75|0|6|6",
                                "3|C Station         |11|50.8|0|2|2",
                                "4|D Station         |12|88.9|0|2|2",
                                "5|B Auto Index      |20|31.75|0|1|1",
                                "6|C Auto Index      |21|50.8|0|1|1",
                                "7|Clamp             |5|0|0|2|2",
                                "8|Spare             |10|0|0|0|0",
                                "9|Multi-Tool Station|22|114.3|0|1|1",
                            }));
    EXPECT_EQ(ListOf(m), (std::vector<int>{7, 1, 2, 3, 4, 5, 6, 9}));
    ASSERT_EQ(m.TurretStations.size(), 25U);
    EXPECT_EQ(TurretRow(m.TurretStations[0]), "0|0|0|0|||-");
    EXPECT_EQ(TurretRow(m.TurretStations[1]), "1|0|1|10|T1||valid");
    EXPECT_EQ(TurretRow(m.TurretStations[20]), "20|0|5|20|T20||valid");
    EXPECT_EQ(TurretRow(m.TurretStations[22]), "22|0|7|5|T22||valid");
    EXPECT_EQ(TurretRow(m.TurretStations[24]), "24|0|9|22|T24||valid");
}

struct StnCase {
    const char* name;
    std::string stn;
    std::vector<std::string> table;
    std::vector<int> list;
};

class StationTypeFiles : public testing::TestWithParam<StnCase> {};

TEST_P(StationTypeFiles, FillTableAndList) {
    const StnCase& c = GetParam();
    FixtureInstallation fx;
    fx.Write("Data/Data/Metric.stn", c.stn);
    fx.Write("Data/Data/Metric.trt", "******\r\n");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    EXPECT_EQ(TableRows(fx.session().machine), c.table);
    EXPECT_EQ(ListOf(fx.session().machine), c.list);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StationTypeFiles,
    testing::Values(
        StnCase{"NamesCutOrPaddedTo18",
                "1,\"  Exactly 18 Chars!!  \",10,1,2,1\r\n"
                "2,A Much Longer Name Than Fits,10,0,0,1\r\n3,\"\",10,0,0,1\r\n******\r\n",
                {"1|Exactly 18 Chars!!|10|1|2|1|1", "2|A Much Longer Name|10|0|0|1|1",
                 "3|                  |10|0|0|1|1"},
                {3, 1, 2, 3}},
        StnCase{"KindBelowTenNotListedKindZeroListed",
                "1,Clamp,5,0,0,2\r\n2,Plain,0,0,0,1\r\n3,Nine,9,0,0,1\r\n4,One,1,0,0,1\r\n"
                "5,Ten,10,0,0,1\r\n6,Neg,-1,0,0,1\r\n******\r\n",
                {"1|Clamp             |5|0|0|2|2", "2|Plain             |0|0|0|1|1",
                 "3|Nine              |9|0|0|1|1", "4|One               |1|0|0|1|1",
                 "5|Ten               |10|0|0|1|1", "6|Neg               |-1|0|0|1|1"},
                {3, 2, 5, 6}},
        StnCase{"CountBelowOneKeptInTableNotListed",
                "1,Zero,10,0,0,0\r\n2,Minus,10,0,0,-2\r\n******\r\n",
                {"1|Zero              |10|0|0|0|0", "2|Minus             |10|0|0|-2|-2"},
                {0}},
        StnCase{"NumberOutsideTableStopsReading",
                "1,A,10,0,0,1\r\n2,B,10,0,0,1\r\n70,C,10,0,0,1\r\n3,D,10,0,0,1\r\n******\r\n",
                {"1|A                 |10|0|0|1|1", "2|B                 |10|0|0|1|1"},
                {2, 1, 2}},
        StnCase{"NumberZeroStopsReading", "0,A,10,0,0,1\r\n1,B,10,0,0,1\r\n", {}, {0}},
        StnCase{"NumberIsTruncated",
                "64.9,Top,10,0,0,1\r\n1.2,Low,10,0,0,1\r\n******\r\n",
                {"1|Low               |10|0|0|1|1", "64|Top               |10|0|0|1|1"},
                {2, 64, 1}},
        StnCase{"RepeatedTypeReplacesTheEarlierOne",
                "1,A,10,0,0,1\r\n2,B,10,0,0,1\r\n1,C,5,0,0,1\r\n2,D,11,0,0,3\r\n******\r\n",
                {"1|C                 |5|0|0|1|1", "2|D                 |11|0|0|3|3"},
                {1, 2}},
        StnCase{"RecordWhoseFirstFieldIsTheLastItemIsNotRead",
                "1,A,10,0,0,1\r\n2\r\n",
                {"1|A                 |10|0|0|1|1"},
                {1, 1}},
        StnCase{"EmptyFileHasNoTypes", "", {}, {0}},
        StnCase{"NumbersThatDoNotParseReadAsZero",
                "1,A,kind,wide,high,many\r\n******\r\n",
                {"1|A                 |0|0|0|0|0"},
                {0}},
        StnCase{"QuotedNameWithComma",
                "5,\"Big, Round\",20,88.9,1.5,1\r\n******\r\n",
                {"5|Big, Round        |20|88.9|1.5|1|1"},
                {1, 5}}),
    [](const testing::TestParamInfo<StnCase>& info) { return info.param.name; });

TEST(ReadStations, RepeatedTypesNeverOverfillTheList) {
    FixtureInstallation fx;
    std::string stn;
    for (int i = 0; i < 200; ++i) {
        stn += std::to_string(i % 64 + 1) + ",T,10,0,0,1\r\n";
    }
    fx.Write("Data/Data/Metric.stn", stn + "******\r\n");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    const Machine& m = fx.session().machine;
    EXPECT_EQ(m.StationList[0], 64);
    EXPECT_EQ(m.StationList[1], 9);  // the list follows the last record of each type
    EXPECT_EQ(m.StationList[64], 8);
}

TEST(ReadStations, TurretStationFileFields) {
    FixtureInstallation fx;
    fx.Write("Data/Data/Metric.trt",
             "1,7,5,\"B, idx\",\"x\"\r\n 2 , -3 , 0 ,  Plain label  ,\r\n3.7,0,8,T3,\"\"\r\n4");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    const Machine& m = fx.session().machine;
    ASSERT_EQ(m.TurretStations.size(), 4U);
    EXPECT_EQ(TurretRow(m.TurretStations[1]), "1|7|5|20|B, idx|x|valid");
    EXPECT_EQ(TurretRow(m.TurretStations[2]), "2|-3|0|0|Plain label||valid");
    EXPECT_EQ(TurretRow(m.TurretStations[3]), "3|0|8|10|T3||valid");
}

TEST(ReadStations, FileErrors) {
    struct Row {
        const char* file;
        std::string bytes;
        std::string error;
    };
    const Row rows[] = {
        {"stn", "1,A,40000,0,0,1\r\n******\r\n",
         "kind of station type 1: \"40000\" is outside -32768 to 32767"},
        {"stn", "1,A,10,0,0,99999\r\n******\r\n",
         "count of station type 1: \"99999\" is outside -32768 to 32767"},
        {"stn", "1,A,10,0\r\n", "the file ends inside a record"},
        {"trt", "1,0,65,T1,\"\"\r\n******\r\n", "station 1: type \"65\" is outside 0 to 64"},
        {"trt", "1,0,-1,T1,\"\"\r\n******\r\n", "station 1: type \"-1\" is outside 0 to 64"},
        {"trt", "70000,0,1,T1,\"\"\r\n******\r\n", "station \"70000\" is outside -32768 to 32767"},
        {"trt", "1,0,1,T1\r\n", "the file ends inside a record"},
    };
    for (const Row& r : rows) {
        FixtureInstallation fx;
        fx.Write(std::string("Data/Data/Metric.") + r.file, r.bytes);
        try {
            StartUp(fx.session());
            ADD_FAILURE() << "no error for " << r.bytes;
        } catch (const platform::FileError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "\"" + fx.DataDir() + "Data/Metric." + r.file + "\": " + r.error);
        }
    }
}

TEST(ReadStations, RouterHasNoTurretStations) {
    FixtureInstallation fx(FixtureInstallation::kRouter);
    fx.Write("Data/Data/Router.trt", "1,0,1,T1,\"\"\r\n******\r\n");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    const Machine& m = fx.session().machine;
    EXPECT_EQ(m.TurretStations.size(), 1U);
    EXPECT_EQ(TableRows(m), std::vector<std::string>{"1|Router Spindle    |40|0|0|1|1"});
}

TEST(ReadStations, ReadingAgainStartsFromEmptyTables) {
    FixtureInstallation fx;
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    Session& s = fx.session();
    fx.Write("Data/Data/Metric.stn", "2,Only,10,0,0,1\r\n******\r\n");
    fx.Write("Data/Data/Metric.trt", "1,0,2,T1,\"\"\r\n******\r\n");
    ReadStations(s);
    EXPECT_EQ(TableRows(s.machine), std::vector<std::string>{"2|Only              |10|0|0|1|1"});
    EXPECT_EQ(ListOf(s.machine), (std::vector<int>{1, 2}));
    EXPECT_EQ(s.machine.TurretStations.size(), 2U);
}

TEST(TurretStationAt, RowsBeyondTheFileAreEmpty) {
    FixtureInstallation fx;
    fx.Write("Data/Data/Metric.trt", "1,0,1,T1,\"\"\r\n2,0,5,T2,\"\"\r\n******\r\n");
    ASSERT_EQ(StartUp(fx.session()), StartOutcome::Ready);
    const Machine& m = fx.session().machine;
    ASSERT_EQ(m.StationCount, 24);
    std::vector<std::string> rows;
    for (int row = -1; row <= m.StationCount; ++row) {
        rows.push_back(TurretRow(TurretStationAt(m, row)));
    }
    std::vector<std::string> expected(26, "0|0|0|0|||-");
    expected[2] = "1|0|1|10|T1||valid";
    expected[3] = "2|0|5|20|T2||valid";
    EXPECT_EQ(rows, expected);
}

}  // namespace
}  // namespace tooling::core
