#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace tooling::test {

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempDir {
  public:
    // At `path` instead when given: a folder that must not exist yet.
    explicit TempDir(std::string path = {});
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's path, ending in a separator.
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The path with each "/" turned into the native separator: tests write relative paths with "/".
std::string Native(std::string_view path);

// Paths as the system's file system takes them from the system's Windows-1252 bytes (a folder
// without its final separator), and back.
std::filesystem::path PathOf(const std::string& bytes);
std::string BytesOf(const std::filesystem::path& path);

// Writes a file (creating its folders), and reads one back; for building and checking fixtures.
void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// Every folder and file under `root` (which ends in a separator), relative to it and written
// with "/": a folder ends in "/" and has no bytes, a file maps to its bytes.
std::map<std::string, std::string> Snapshot(const std::string& root);

}  // namespace tooling::test
