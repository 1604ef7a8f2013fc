#pragma once

#include <string>
#include <string_view>

#include "platform/FileError.h"
#include "tests/support/NativeFileSystem.h"
#include "tests/support/TempDir.h"

namespace tooling::test {

// The real file system, with faults to order: every delete, copy or replace of a path that
// contains `failOn` (written with "/") fails, and so do the next `readFailures` reads.
class FaultyFileSystem : public NativeFileSystem {
  public:
    std::string ReadAll(std::string_view path) const override {
        if (readFailures-- > 0) {
            throw platform::FileError(std::string(path), "Input/output error");
        }
        return NativeFileSystem::ReadAll(path);
    }
    void DeleteFile(std::string_view path) override {
        Check(path);
        NativeFileSystem::DeleteFile(path);
    }
    void Copy(std::string_view from, std::string_view to) override {
        Check(to);
        NativeFileSystem::Copy(from, to);
    }
    void Replace(std::string_view path, std::string_view bytes) override {
        Check(path);
        NativeFileSystem::Replace(path, bytes);
    }
    std::string failOn;
    mutable int readFailures = 0;

  private:
    void Check(std::string_view path) const {
        if (!failOn.empty() && path.find(Native(failOn)) != std::string_view::npos) {
            throw platform::FileError(std::string(path), "Permission denied");
        }
    }
};

}  // namespace tooling::test
