#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace tooling::platform {
class FileSystem;
}

namespace tooling::core {

// How long a command waits for another instance to finish its rewrite of a file.
inline constexpr std::chrono::milliseconds kFileLockWait{10000};

// The text with a final separator, added when it does not end in one.
std::string WithSeparator(std::string_view path);

// Creates the folder when neither a folder nor a file of that name exists; its parent must
// exist. Throws platform::FileError naming the folder when it cannot be created.
void MakeDirIfMissing(platform::FileSystem& fs, std::string_view path);

// Writes the file (atomically) only when no file of that name exists yet.
void CreateWhenMissing(platform::FileSystem& fs, const std::string& path, std::string_view bytes);

// The bytes of a file that must exist: throws platform::FileError naming it when it is missing
// or cannot be read.
std::string ReadRequired(const platform::FileSystem& fs, std::string_view path);

// The lines of a file that must exist, untrimmed (see SplitLines).
std::vector<std::string> RequiredLines(const platform::FileSystem& fs, std::string_view path);

}  // namespace tooling::core
