// tooling-cli check: each kind of fault planted in a copy of the sample library is found, and
// --repair puts right exactly the ones it says it does.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DefaultToolRec.h"
#include "library/DefaultTools.h"
#include "library/ToolRec.h"
#include "tests/cli/SampleCli.h"

namespace tooling::test {
namespace {

class LibraryCheck : public SampleCli {
  protected:
    std::string Turrets(std::string_view ext) const {
        return Path("Data/Turrets/Kestrel20/Shop Standard.") + std::string(ext);
    }

    library::ToolRec Record(char code, std::size_t number) const {
        return library::ToolRecFromBytes(
            ReadFile(ToolFile(code))
                .substr((number - 1) * library::kToolRecSize, library::kToolRecSize));
    }
    void SetMark(char code, std::size_t number, std::int16_t mark) {
        std::string bytes = ReadFile(ToolFile(code));
        library::ToolRec rec = Record(code, number);
        rec.DefMark = mark;
        bytes.replace((number - 1) * library::kToolRecSize, library::kToolRecSize,
                      library::ToolRecBytes(rec));
        WriteFile(ToolFile(code), bytes);
    }
    // The default of a tool record as the default-tool dialog stores it.
    core::DefaultToolRec DefaultOf(char code, std::size_t number, std::int16_t recordNo) const {
        const library::ToolRec rec = Record(code, number);
        core::DefaultToolRec def;
        def.recordNo = recordNo;
        def.shape = code;
        def.descr = rec.Descr;
        def.dims = rec.Dims;
        def.stnType = rec.Stns[0].StnType;
        def.stnKind = rec.Stns[0].StnKind;
        return def;
    }

    // Plants one fault of each kind:
    // - the X shearing default describes Square 10 (record 3) but points at record 2, and Square
    //   10 lacks its mark 1: both have one sound fix;
    // - the clearing default points at Square record 40, which does not exist, and describes a
    //   Square 12, which no record holds;
    // - Diameter 3 (record 1) carries the nibbling mark 4, but there is no nibbling default;
    // - an invalid record (length 0) stands at the end of the Rectangle file;
    // - turret "FRONT" holds a Square 11 in station 1, which the library does not have;
    // - drawing 9 lies in the folder without an index entry (and the sample's "CORNER NOTCH 12"
    //   has an entry but no drawing).
    void PlantFaults() {
        ASSERT_EQ(Record('B', 3).Dims[0], 10.0F);
        core::DefaultToolRec clearing = DefaultOf('B', 3, 40);
        clearing.dims = {12.0F, 12.0F, 0.0F, 0.0F};
        WriteFile(Tools("dft"), library::EncodeDefault(DefaultOf('B', 3, 2)) +
                                    library::EncodeDefault(core::DefaultToolRec{}) +
                                    library::EncodeDefault(clearing) +
                                    library::EncodeDefault(core::DefaultToolRec{}));
        SetMark('A', 1, 4);
        library::ToolRec invalid;
        invalid.Shape = 'D';
        invalid.Descr = library::PaddedDescr("Rectangle");
        WriteFile(ToolFile('D'), ReadFile(ToolFile('D')) + library::ToolRecBytes(invalid));
        WriteFile(Turrets("1"), Golden("front-turret.txt"));
        WriteFile(Turrets("lkp"), "FRONT, 1 \r\n******\r\n");
        WriteFile(Tools("9"), "stray drawing");
    }
};

TEST_F(LibraryCheck, ReportsEveryPlantedFaultAndChangesNothing) {
    PlantFaults();
    const std::vector<std::string> tools = ToolFiles();
    const std::string defaults = ReadFile(Tools("dft"));
    EXPECT_EQ(Run({"check"}), 1);
    EXPECT_EQ(out_.str(), Golden("check.txt"));
    EXPECT_EQ(err_.str(), "tooling-cli: 7 fault(s) in library \"Shop Standard\"\n");
    EXPECT_EQ(ToolFiles(), tools);
    EXPECT_EQ(ReadFile(Tools("dft")), defaults);
}

TEST_F(LibraryCheck, RepairPointsTheMovedDefaultAtItsToolAndCorrectsTheMarks) {
    PlantFaults();
    EXPECT_EQ(Run({"check", "--repair"}), 1);
    EXPECT_EQ(out_.str(), Golden("check-repair.txt"));
    EXPECT_EQ(library::DecodeDefault(ReadFile(Tools("dft")).substr(0, 47)), DefaultOf('B', 3, 3));
    EXPECT_EQ(Record('A', 1).DefMark, 0);
    EXPECT_EQ(Record('B', 3).DefMark, 1);

    EXPECT_EQ(Run({"check"}), 1);
    EXPECT_EQ(out_.str(), Golden("check-after-repair.txt"));
}

TEST_F(LibraryCheck, ASoundLibraryPassesAndAnotherLibraryCanBeChecked) {
    EXPECT_EQ(Run({"--library", "Full Library", "check"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "library \"Full Library\" holds together\n");

    progress_ = true;
    EXPECT_EQ(Run({"check"}), 1);
    EXPECT_EQ(err_.str(),
              ReadDataRows(TOOLING_GOLDEN_DIR "/check-progress.txt").at(0).fields.at(0));
}

TEST_F(LibraryCheck, ARouterHasNoTurretsToCheckOrList) {
    Configure(2);
    EXPECT_EQ(Run({"check"}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "library \"Router Cutters\" holds together\n");
    EXPECT_EQ(Run({"turrets"}), 1);
    EXPECT_EQ(err_.str(), "tooling-cli: a router machine has no turrets\n");
}

}  // namespace
}  // namespace tooling::test
