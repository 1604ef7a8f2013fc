#include "tests/support/DataRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>

#include "tests/support/GoldenCases.h"

namespace tooling::test {
namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    const std::size_t last = text.find_last_not_of(" \t\r");
    return first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, last - first + 1);
}

// A field in double quotes runs to its closing quote, past any "|", and has its escapes read.
std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    for (std::size_t at = 0;; ++at) {
        std::size_t bar = line.find('|', at);
        const std::string_view plain = Trimmed(line.substr(at, bar - at));
        if (!plain.starts_with('"')) {
            fields.emplace_back(plain);
        } else {
            const std::size_t open = line.find('"', at) + 1;
            std::size_t close = open;
            while (close < line.size() && line[close] != '"') {
                close += line[close] == '\\' ? 2 : 1;
            }
            fields.push_back(Unescaped(line.substr(open, close - open)));
            bar = line.find('|', std::min(close, line.size()));
        }
        if (bar == std::string_view::npos) {
            return fields;
        }
        at = bar;
    }
}

}  // namespace

std::vector<DataRow> ReadDataRows(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.good()) << "cannot read " << path;
    std::vector<DataRow> rows;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!Trimmed(line).empty() && !line.starts_with('#')) {
            rows.push_back({number, Fields(line)});
        }
    }
    EXPECT_FALSE(rows.empty()) << path << " holds no rows";
    return rows;
}

bool IsNone(std::string_view field) {
    return field.empty() || field == "none";
}

double NumberOf(std::string_view field) {
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == field.data() + field.size())
        << "not a number: \"" << field << "\"";
    return value;
}

std::vector<std::string> Split(std::string_view field, char separator) {
    std::vector<std::string> parts;
    for (std::size_t at = 0; at <= field.size();) {
        const std::size_t end = std::min(field.find(separator, at), field.size());
        parts.emplace_back(field.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

std::vector<double> NumbersOf(std::string_view field) {
    std::vector<double> numbers;
    for (const std::string& part : Split(field, ' ')) {
        if (!part.empty()) {
            numbers.push_back(NumberOf(part));
        }
    }
    return numbers;
}

std::array<float, 4> DimsOf(std::string_view field) {
    const std::vector<double> numbers = NumbersOf(field);
    EXPECT_EQ(numbers.size(), 4U) << "not four dimensions: \"" << field << "\"";
    std::array<float, 4> dims{};
    for (std::size_t i = 0; i < dims.size() && i < numbers.size(); ++i) {
        dims[i] = static_cast<float>(numbers[i]);
    }
    return dims;
}

}  // namespace tooling::test
