#pragma once

#include <stdexcept>
#include <string>

namespace tooling::platform {

// A file operation that failed. The message names the file and what went wrong, ready to be
// shown to the user.
class FileError : public std::runtime_error {
  public:
    FileError(std::string path, const std::string& what)
        : std::runtime_error("\"" + path + "\": " + what), path_(std::move(path)) {}

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace tooling::platform
