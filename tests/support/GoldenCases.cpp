#include "tests/support/GoldenCases.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "tests/support/TempDir.h"

namespace tooling::test {
namespace {

// The lines of a data file, numbered from 1 and without their CRs.
std::vector<std::pair<int, std::string>> Lines(const std::string& path) {
    std::vector<std::pair<int, std::string>> lines;
    std::istringstream in(ReadFile(path));
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        lines.emplace_back(static_cast<int>(lines.size()) + 1, std::move(line));
    }
    return lines;
}

template <typename Entries>
Entries NotEmpty(Entries entries, const std::string& path) {
    if (entries.empty()) {
        throw std::runtime_error(path + " holds nothing");
    }
    return entries;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
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

const std::string& GoldenCase::operator[](const std::string& field) const {
    const auto found = fields.find(field);
    if (found == fields.end()) {
        throw std::runtime_error("case \"" + name + "\" has no field \"" + field + "\"");
    }
    return found->second;
}

std::vector<GoldenCase> ReadGoldenCases(const std::string& path) {
    std::vector<GoldenCase> cases;
    std::string* text = nullptr;
    for (const auto& [number, line] : Lines(path)) {
        if (line.starts_with("== ")) {
            cases.push_back({line.substr(3), {}});
            text = nullptr;
        } else if (line.starts_with("-- ") && !cases.empty()) {
            text = &cases.back().fields[line.substr(3)];
        } else if (text != nullptr) {
            *text += Unescaped(line);
        } else if (!cases.empty()) {
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": text outside a field");
        }
    }
    return NotEmpty(std::move(cases), path);
}

std::vector<DataRow> ReadDataRows(const std::string& path) {
    std::vector<DataRow> rows;
    for (const auto& [number, line] : Lines(path)) {
        if (!Trimmed(line).empty() && !line.starts_with('#')) {
            rows.push_back({number, Fields(line)});
        }
    }
    return NotEmpty(std::move(rows), path);
}

bool IsNone(std::string_view field) {
    return field.empty() || field == "none";
}

double NumberOf(std::string_view field) {
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc{} || end != field.data() + field.size()) {
        throw std::runtime_error("not a number: \"" + std::string(field) + "\"");
    }
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
    if (numbers.size() != 4) {
        throw std::runtime_error("not four dimensions: \"" + std::string(field) + "\"");
    }
    return {static_cast<float>(numbers[0]), static_cast<float>(numbers[1]),
            static_cast<float>(numbers[2]), static_cast<float>(numbers[3])};
}

std::string Escaped(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n\n";
        } else if (c == '\\') {
            text += "\\\\";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            text += hex;
        } else {
            text += c;
        }
    }
    return text.empty() || text.back() == '\n' ? text : text + "\n";
}

std::string Unescaped(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char code = text[++i];
        if (code == 'x' && i + 2 < text.size()) {
            bytes += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            bytes += code == 'r' ? '\r' : code == 'n' ? '\n' : code == 't' ? '\t' : code;
        }
    }
    return bytes;
}

}  // namespace tooling::test
