#include "library/FillLibraryList.h"

#include <gtest/gtest.h>

#include "tests/library/LibraryFixture.h"

namespace tooling::library {
namespace {

TEST(FillLibraryList, ListsEachLibraryOnceInListingOrder) {
    test::LibraryFixture f;
    for (const char* name : {"Shop.lkp", "Beta.lkp", "SHOP.lkp", "alpha.LKP", "Shop.Old.lkp",
                             "Empty.lkp", "Beta.A", "Gamma.dft"}) {
        test::WriteFile(f.ToolPath(name), "******\r\n");
    }
    struct Row {
        std::string current;
        bool includeCurrent;
        ListSelect select;
        std::optional<std::string_view> header;
        LibraryList expected;
    };
    const Row rows[] = {
        {"Beta",
         false,
         ListSelect::First,
         std::nullopt,
         {{"alpha", "Empty", "SHOP", "Shop.Old"}, 0}},
        {"Beta",
         false,
         ListSelect::None,
         std::nullopt,
         {{"alpha", "Empty", "SHOP", "Shop.Old"}, -1}},
        {"Beta",
         true,
         ListSelect::Current,
         std::nullopt,
         {{"alpha", "Beta", "Empty", "SHOP", "Shop.Old"}, 1}},
        {"BETA",
         true,
         ListSelect::Current,
         std::nullopt,
         {{"alpha", "Beta", "Empty", "SHOP", "Shop.Old"}, 1}},
        // The current library under either case is left out.
        {"shop",
         false,
         ListSelect::First,
         std::nullopt,
         {{"alpha", "Beta", "Empty", "Shop.Old"}, 0}},
        {"shop",
         true,
         ListSelect::Current,
         std::nullopt,
         {{"alpha", "Beta", "Empty", "SHOP", "Shop.Old"}, 3}},
        {"Missing",
         true,
         ListSelect::Current,
         std::nullopt,
         {{"alpha", "Beta", "Empty", "SHOP", "Shop.Old"}, -1}},
        // A library named like the header is not listed twice.
        {"Beta",
         true,
         ListSelect::First,
         "  Empty ",
         {{"Empty", "alpha", "Beta", "SHOP", "Shop.Old"}, 0}},
        {"Alpha", false, ListSelect::Current, "Empty", {{"Empty", "Beta", "SHOP", "Shop.Old"}, -1}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FillLibraryList(f.session, "M1", row.current, row.includeCurrent, row.select,
                                  row.header),
                  row.expected)
            << row.current << (row.includeCurrent ? " included" : " left out");
    }
}

TEST(FillLibraryList, FolderWithoutLibraries) {
    test::LibraryFixture f;
    test::WriteFile(f.ToolPath("Shop.A"), "");
    const struct {
        std::string folder;
        std::optional<std::string_view> header;
        ListSelect select;
        LibraryList expected;
    } rows[] = {
        {"M1", std::nullopt, ListSelect::First, {{}, -1}},
        {"M1", "Empty", ListSelect::First, {{"Empty"}, 0}},
        {"M1", "Empty", ListSelect::Current, {{"Empty"}, -1}},
        {"Nowhere", std::nullopt, ListSelect::First, {{}, -1}},
        {"Nowhere", "Empty", ListSelect::None, {{"Empty"}, -1}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FillLibraryList(f.session, row.folder, "Shop", true, row.select, row.header),
                  row.expected)
            << row.folder;
    }
}

}  // namespace
}  // namespace tooling::library
