#pragma once

#include <string>
#include <string_view>

namespace tooling::test {

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path, ending in a separator.
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Writes a file (creating its folders), and reads one back; for building and checking fixtures.
void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
bool DirExists(const std::string& path);

}  // namespace tooling::test
