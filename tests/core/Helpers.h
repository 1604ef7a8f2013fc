#pragma once

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/TextFile.h"
#include "platform/FileError.h"
#include "tests/support/FixtureInstallation.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/GoldenText.h"

namespace tooling::test {

// The files and folders (as test::Snapshot names them) that `run` adds under `root`.
template <typename Run>
std::set<std::string> AddedBy(const std::string& root, Run run) {
    const auto before = Snapshot(root);
    run();
    std::set<std::string> added;
    for (const auto& entry : Snapshot(root)) {
        if (!before.contains(entry.first)) {
            added.insert(entry.first);
        }
    }
    return added;
}

// The words of a text separated by blanks.
inline std::set<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The text with every "@" replaced by the fixture's root and every "/" by the native separator.
inline std::string At(const FixtureInstallation& fx, std::string text) {
    text = Native(text);
    for (std::size_t at = 0; (at = text.find('@', at)) != std::string::npos;
         at += fx.Root().size()) {
        text.replace(at, 1, fx.Root());
    }
    return text;
}

// Changes a fixture file (relative to the root) as a case's fields say: with "line" 0 removes it
// (no "text") or writes "text" as its bytes; otherwise replaces that line (counted from 1) by
// "text", or keeps only the first "line" lines (no "text").
inline void Change(FixtureInstallation& fx, const std::string& file, const GoldenCase& row) {
    const std::size_t line = std::stoul(row["line"]);
    if (line == 0) {
        row.Has("text") ? fx.Write(file, row["text"]) : fx.Remove(file);
        return;
    }
    std::vector<std::string> lines = core::SplitLines(fx.Read(file));
    if (row.Has("text")) {
        lines[line - 1] = row["text"];
    } else {
        lines.resize(line);
    }
    std::string bytes;
    for (const std::string& kept : lines) {
        bytes += kept + "\r\n";
    }
    fx.Write(file, bytes);
}

}  // namespace tooling::test
