// The lines of any text hold no line ends and, joined with one line end each, give back the text
// with its line ends made LF; a list file's lines are trimmed, non-empty, never the end mark, and
// are the trimmed first lines of the text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextFile.h"

namespace {

std::string LineEndsAsLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = tooling::core::SplitLines(text);
    std::string joined;
    for (const std::string& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos) {
            std::abort();
        }
        joined += line;
        joined += '\n';
    }
    const std::string expected = LineEndsAsLf(text);
    if (!expected.empty() && expected.back() != '\n') {
        joined.pop_back();
    }
    if (joined != expected) {
        std::abort();
    }

    const std::vector<std::string> list = tooling::core::ListLines(text);
    if (list.size() > lines.size()) {
        std::abort();
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string& line = list[i];
        if (line.empty() || line == tooling::core::kEndMark || line.front() == ' ' ||
            line.back() == ' ' || lines[i].find(line) == std::string::npos) {
            std::abort();
        }
    }
    return 0;
}
