#pragma once

#include <filesystem>
#include <string>

namespace tooling::cli {

// A new empty folder under the system's temporary folder, removed with its content when it
// goes.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path with a final separator.
    std::string Prefix() const { return (path_ / "").string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace tooling::cli
