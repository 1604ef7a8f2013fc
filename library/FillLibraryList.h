#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::core {
struct Session;
}

namespace tooling::library {

// The entries of a list or combo box of libraries, and the selected entry (-1 for none).
struct LibraryList {
    std::vector<std::string> entries;
    int selected = -1;

    bool operator==(const LibraryList&) const = default;
};

// Which entry FillLibraryList selects.
enum class ListSelect {
    None = 0,
    First = 1,
    Current = 2,
};

// The libraries of a machine folder in listing order, each once whatever the case of its files,
// the current library left out unless `includeCurrent`, after the header entry when one is
// given. A file-system error ends the list with what it holds so far.
LibraryList FillLibraryList(const core::Session& session, std::string_view machineFolder,
                            std::string_view currentLibrary, bool includeCurrent, ListSelect select,
                            std::optional<std::string_view> header = std::nullopt);

}  // namespace tooling::library
