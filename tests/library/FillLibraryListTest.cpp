#include "library/FillLibraryList.h"

#include <gtest/gtest.h>

#include "tests/support/LibraryFixture.h"

namespace tooling::library {
namespace {

TEST(FillLibraryList, ListsEachLibraryOnceWithTheCurrentAndTheHeaderAsAsked) {
    test::LibraryFixture f;
    for (const char* name : {"Shop.lkp", "Beta.lkp", "SHOP.lkp", "alpha.LKP", "Shop.Old.lkp",
                             "Empty.lkp", "Beta.A", "Gamma.dft"}) {
        test::WriteFile(f.ToolPath(name), "");
    }
    const auto fill = [&](std::string_view current, bool includeCurrent, ListSelect select,
                          std::optional<std::string_view> header = std::nullopt,
                          std::string_view folder = "M1") {
        return FillLibraryList(f.session, folder, current, includeCurrent, select, header);
    };
    const std::vector<std::string> all = {"alpha", "Beta", "Empty", "SHOP", "Shop.Old"};
    EXPECT_EQ(fill("BETA", true, ListSelect::Current), (LibraryList{all, 1}));
    EXPECT_EQ(fill("shop", true, ListSelect::Current), (LibraryList{all, 3}));
    EXPECT_EQ(fill("Missing", true, ListSelect::Current), (LibraryList{all, -1}));
    EXPECT_EQ(fill("shop", false, ListSelect::First),
              (LibraryList{{"alpha", "Beta", "Empty", "Shop.Old"}, 0}));
    // A library named like the header is listed once, as the header.
    EXPECT_EQ(fill("Beta", true, ListSelect::First, "  Empty "),
              (LibraryList{{"Empty", "alpha", "Beta", "SHOP", "Shop.Old"}, 0}));
    EXPECT_EQ(fill("Alpha", false, ListSelect::Current, "Empty"),
              (LibraryList{{"Empty", "Beta", "SHOP", "Shop.Old"}, -1}));
    // A folder without libraries: the header alone, if any.
    EXPECT_EQ(fill("Shop", true, ListSelect::First, std::nullopt, "Nowhere"),
              (LibraryList{{}, -1}));
    EXPECT_EQ(fill("Shop", true, ListSelect::First, "Empty", "Nowhere"),
              (LibraryList{{"Empty"}, 0}));
}

}  // namespace
}  // namespace tooling::library
