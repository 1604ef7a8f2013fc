#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace tooling::bench {

// Files held in memory, so the run measures the list and not the disk.
class MemoryFileSystem : public platform::FileSystem {
  public:
    bool Exists(std::string_view path, platform::ListFilter) const override {
        return files.contains(std::string(path));
    }
    std::vector<std::string> List(std::string_view, platform::ListFilter) const override {
        return {};
    }
    void MakeDir(std::string_view path) override { Refuse(path); }
    void DeleteFile(std::string_view path) override { Refuse(path); }
    void DeleteFiles(std::string_view pattern) override { Refuse(pattern); }
    void Copy(std::string_view, std::string_view to) override { Refuse(to); }
    std::uint64_t Length(std::string_view path) const override { return ReadAll(path).size(); }
    std::string ReadAll(std::string_view path) const override {
        const auto file = files.find(std::string(path));
        if (file == files.end()) {
            throw platform::FileError(std::string(path), "missing");
        }
        return file->second;
    }
    void Replace(std::string_view path, std::string_view bytes) override {
        files[std::string(path)] = std::string(bytes);
    }
    std::unique_ptr<platform::FileLock> Lock(std::string_view, std::chrono::milliseconds) override {
        return std::make_unique<platform::FileLock>();
    }
    std::string VolumeOf(std::string_view) const override { return "/"; }
    bool VolumeReady(std::string_view) const override { return true; }

    std::map<std::string, std::string> files;

  private:
    [[noreturn]] static void Refuse(std::string_view path) {
        throw platform::FileError(std::string(path), "read-only");
    }
};

}  // namespace tooling::bench
