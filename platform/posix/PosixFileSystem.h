#pragma once

#include "platform/FileSystem.h"

namespace tooling::platform {

// The file system of a POSIX machine.
class PosixFileSystem : public FileSystem {
  public:
    bool Exists(std::string_view path, ListFilter filter) const override;
    std::vector<std::string> List(std::string_view pattern, ListFilter filter) const override;
    void MakeDir(std::string_view path) override;
    void DeleteFile(std::string_view path) override;
    void DeleteFiles(std::string_view pattern) override;
    void Copy(std::string_view from, std::string_view to) override;
    std::uint64_t Length(std::string_view path) const override;
    std::string ReadAll(std::string_view path) const override;
    void Replace(std::string_view path, std::string_view bytes) override;
    std::unique_ptr<FileLock> Lock(std::string_view path, std::chrono::milliseconds wait) override;
    std::string VolumeOf(std::string_view path) const override;
    bool VolumeReady(std::string_view path) const override;

    // The path with each component that does not exist under its exact name replaced by an
    // existing entry whose name differs only in case (the first in listing order); components
    // that exist in neither form are kept as given.
    std::string Resolve(std::string_view path) const;
};

// Case-insensitive match of a name against a pattern of "*" and "?"; "*.*" matches every name.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// Orders names without regard to case, then by bytes, so every machine lists alike.
bool ListingOrder(const std::string& a, const std::string& b);

}  // namespace tooling::platform
