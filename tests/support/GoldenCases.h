#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::test {

// The data files kept beside the tests, read two ways. In both, the file's own line breaks are
// not part of a text: "\n", "\r", "\t", "\\", "\"" and "\xHH" stand for their bytes. A file that
// cannot be read, holds nothing or has a malformed entry throws, failing the test that reads it.

// Cases: "== <name>" starts a case and "-- <field>" one of its fields; the lines that follow are
// the field's text. Lines before the first case are notes.
struct GoldenCase {
    std::string name;
    std::map<std::string, std::string> fields;

    // The field's text; a case without it fails the test.
    const std::string& operator[](const std::string& field) const;
    bool Has(const std::string& field) const { return fields.contains(field); }
};

std::vector<GoldenCase> ReadGoldenCases(const std::string& path);

// Rows: a line each, its fields separated by "|" and without the blanks around them; a field in
// double quotes keeps its blanks and "|", and reads the escapes. Empty lines and lines starting
// with "#" are left out. `line` names a failing row.
struct DataRow {
    int line = 0;
    std::vector<std::string> fields;
};

std::vector<DataRow> ReadDataRows(const std::string& path);

// A data field's number: a decimal or "inf", "-inf", "nan"; "none" and "" give no number.
bool IsNone(std::string_view field);
double NumberOf(std::string_view field);

// The parts of a field between separators, and the numbers of a field's blank-separated parts.
std::vector<std::string> Split(std::string_view field, char separator);
std::vector<double> NumbersOf(std::string_view field);
// The four numbers of a field as a tool's stored dimensions.
std::array<float, 4> DimsOf(std::string_view field);

// The bytes written as a case's text (each "\n" followed by a line break), and back.
std::string Escaped(std::string_view bytes);
std::string Unescaped(std::string_view text);

}  // namespace tooling::test
