#pragma once

#include <memory>
#include <string>

#include "platform/FileSystem.h"

namespace tooling::test {

// The steps of a replace that can go wrong, each a call into the system.
enum class ReplaceFault {
    WriteFails,
    WriteWritesNothing,      // the system reports no error but writes no byte: a full disk
    ShortInterruptedWrites,  // writes of a few bytes, some interrupted: the replace succeeds
    FlushFails,
    CloseFails,
    MoveFails,  // the rename of the scratch file over the target
};

// The native file system with that fault injected into Replace, and the text of the error the
// replace reports (empty when it succeeds).
struct FaultyReplace {
    std::unique_ptr<platform::FileSystem> fs;
    std::string error;
};
FaultyReplace WithFault(ReplaceFault fault);

}  // namespace tooling::test
