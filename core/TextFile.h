#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tooling::platform {
class FileSystem;
}

namespace tooling::core {

inline constexpr std::string_view kEndMark = "******";

// Every line of a text, untrimmed, without its line end (CR LF, LF or CR). A final line end does
// not start another line.
std::vector<std::string> SplitLines(std::string_view bytes);

// The lines of a list file, trimmed, up to the first line that is "******" or empty after
// trimming, or to the end of the text.
std::vector<std::string> ListLines(std::string_view bytes);

// The bytes of a text file of the suite: each line followed by CR LF, then "******" CR LF.
std::string TextFileBytes(const std::vector<std::string>& lines);

// Replaces the file with TextFileBytes(lines).
void WriteTextFile(platform::FileSystem& fs, std::string_view path,
                   const std::vector<std::string>& lines);

}  // namespace tooling::core
