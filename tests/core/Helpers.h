#pragma once

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/TextFile.h"
#include "platform/FileError.h"
#include "tests/support/FixtureInstallation.h"

namespace tooling::test {

// Every file and folder under `root`, as test::Snapshot names them.
inline std::set<std::string> Tree(const std::string& root) {
    std::set<std::string> entries;
    for (const auto& entry : Snapshot(root)) {
        entries.insert(entry.first);
    }
    return entries;
}

// The files and folders that `run` adds under `root`.
template <typename Run>
std::set<std::string> AddedBy(const std::string& root, Run run) {
    const std::set<std::string> before = Tree(root);
    run();
    const std::set<std::string> after = Tree(root);
    std::set<std::string> added;
    std::ranges::set_difference(after, before, std::inserter(added, added.end()));
    return added;
}

// The words of a text separated by blanks.
inline std::set<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The text of the file error that `run` throws, or "no error".
template <typename Run>
std::string ErrorOf(Run run) {
    try {
        run();
    } catch (const platform::FileError& e) {
        return e.what();
    }
    return "no error";
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

// Changes a fixture file (relative to the root): with `line` 0 removes it (`text` null) or
// writes `text` as its bytes; otherwise replaces that line (counted from 1) by `text`, or keeps
// only the first `line` lines (`text` null).
inline void Change(FixtureInstallation& fx, const std::string& file, std::size_t line,
                   const char* text) {
    if (line == 0) {
        text == nullptr ? fx.Remove(file) : fx.Write(file, text);
        return;
    }
    std::vector<std::string> lines = core::SplitLines(fx.Read(file));
    if (text == nullptr) {
        lines.resize(line);
    } else {
        lines[line - 1] = text;
    }
    std::string bytes;
    for (const std::string& kept : lines) {
        bytes += kept + "\r\n";
    }
    fx.Write(file, bytes);
}

}  // namespace tooling::test
