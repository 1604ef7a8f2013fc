#include "core/TextFile.h"

#include "core/Text.h"
#include "platform/FileSystem.h"

namespace tooling::core {

std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::vector<std::string> ListLines(std::string_view bytes) {
    std::vector<std::string> lines;
    for (const std::string& raw : SplitLines(bytes)) {
        std::string line = Trim(raw);
        if (line.empty() || line == kEndMark) {
            break;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string TextFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    bytes += kEndMark;
    bytes += "\r\n";
    return bytes;
}

void WriteTextFile(platform::FileSystem& fs, std::string_view path,
                   const std::vector<std::string>& lines) {
    fs.Replace(path, TextFileBytes(lines));
}

}  // namespace tooling::core
