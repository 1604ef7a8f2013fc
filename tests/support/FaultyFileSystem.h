#pragma once

#include <string>
#include <string_view>

#include "platform/FileError.h"
#include "platform/posix/PosixFileSystem.h"

namespace tooling::test {

// The real file system, with faults to order: every delete, copy or replace of a path that
// contains `failOn` fails, and so do the next `readFailures` reads.
class FaultyFileSystem : public platform::PosixFileSystem {
  public:
    std::string ReadAll(std::string_view path) const override {
        if (readFailures-- > 0) {
            throw platform::FileError(std::string(path), "Input/output error");
        }
        return PosixFileSystem::ReadAll(path);
    }
    void DeleteFile(std::string_view path) override {
        Check(path);
        PosixFileSystem::DeleteFile(path);
    }
    void Copy(std::string_view from, std::string_view to) override {
        Check(to);
        PosixFileSystem::Copy(from, to);
    }
    void Replace(std::string_view path, std::string_view bytes) override {
        Check(path);
        PosixFileSystem::Replace(path, bytes);
    }
    std::string failOn;
    mutable int readFailures = 0;

  private:
    void Check(std::string_view path) const {
        if (!failOn.empty() && path.find(failOn) != std::string_view::npos) {
            throw platform::FileError(std::string(path), "Permission denied");
        }
    }
};

}  // namespace tooling::test
