#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::test {

// Cases kept in a text file beside a test. "== <name>" starts a case and "-- <field>" one of
// its fields; the lines that follow are the field's text. Lines before the first case are
// notes. The file's own line breaks are not part of a text: "\n", "\r", "\t", "\\" and "\xHH"
// stand for their bytes.
struct GoldenCase {
    std::string name;
    std::map<std::string, std::string> fields;

    // The field's text; a case without it fails the test.
    const std::string& operator[](const std::string& field) const;
    bool Has(const std::string& field) const { return fields.contains(field); }
};

std::vector<GoldenCase> ReadGoldenCases(const std::string& path);

// The bytes written as a case's text (each "\n" followed by a line break), and back.
std::string Escaped(std::string_view bytes);
std::string Unescaped(std::string_view text);

}  // namespace tooling::test
