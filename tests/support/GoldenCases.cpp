#include "tests/support/GoldenCases.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "tests/support/TempDir.h"

namespace tooling::test {

const std::string& GoldenCase::operator[](const std::string& field) const {
    const auto found = fields.find(field);
    if (found == fields.end()) {
        throw std::runtime_error("case \"" + name + "\" has no field \"" + field + "\"");
    }
    return found->second;
}

std::vector<GoldenCase> ReadGoldenCases(const std::string& path) {
    std::vector<GoldenCase> cases;
    std::istringstream in(ReadFile(path));
    std::string* text = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (line.starts_with("== ")) {
            cases.push_back({line.substr(3), {}});
            text = nullptr;
        } else if (line.starts_with("-- ") && !cases.empty()) {
            text = &cases.back().fields[line.substr(3)];
        } else if (text != nullptr) {
            *text += Unescaped(line);
        } else if (!cases.empty()) {
            throw std::runtime_error(path + ": text outside a field in \"" + cases.back().name +
                                     "\"");
        }
    }
    if (cases.empty()) {
        throw std::runtime_error(path + " holds no case");
    }
    return cases;
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
