#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::test {

// One line of a test's data file: its line number (to name a failing row) and its fields.
struct DataRow {
    int line = 0;
    std::vector<std::string> fields;
};

// The rows of a data file kept beside a test. Fields are separated by "|" and lose the blanks
// around them; a field in double quotes keeps its blanks and "|", and reads \r, \n, \t, \\, \"
// and \xHH. Empty lines and lines starting with "#" are left out. A file that cannot be read
// fails the test that asks for it.
std::vector<DataRow> ReadDataRows(const std::string& path);

// A data field's number: a decimal or "inf", "-inf", "nan"; "none" and "" give no number.
bool IsNone(std::string_view field);
double NumberOf(std::string_view field);

// The parts of a field between separators, and the numbers of a field's blank-separated parts.
std::vector<std::string> Split(std::string_view field, char separator);
std::vector<double> NumbersOf(std::string_view field);
// The four numbers of a field as a tool's stored dimensions.
std::array<float, 4> DimsOf(std::string_view field);

}  // namespace tooling::test
