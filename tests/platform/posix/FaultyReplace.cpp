#include "tests/platform/FaultyReplace.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/posix/PosixFileSystem.h"

namespace tooling::test {

namespace {

auto Failing(int error) {
    return [error](auto...) {
        errno = error;
        return -1;
    };
}

}  // namespace

FaultyReplace WithFault(ReplaceFault fault) {
    platform::PosixCalls calls;
    int error = 0;
    switch (fault) {
        case ReplaceFault::WriteFails:
            calls.write = Failing(error = ENOSPC);
            break;
        case ReplaceFault::WriteWritesNothing:
            calls.write = [](auto...) { return 0; };
            error = ENOSPC;
            break;
        case ReplaceFault::ShortInterruptedWrites:
            calls.write = [calls = 0](int fd, const void* data, std::size_t size) mutable {
                return ++calls % 5 == 0 ? Failing(EINTR)()
                                        : ::write(fd, data, std::min<std::size_t>(size, 7));
            };
            break;
        case ReplaceFault::FlushFails:
            calls.fsync = Failing(error = EIO);
            break;
        case ReplaceFault::CloseFails:
            calls.close = [](int fd) {
                ::close(fd);  // the descriptor is gone, whatever close reports
                return Failing(EIO)();
            };
            error = EIO;
            break;
        case ReplaceFault::MoveFails:
            calls.rename = Failing(error = EACCES);
            break;
    }
    return {std::make_unique<platform::PosixFileSystem>(std::move(calls)),
            error == 0 ? "" : std::strerror(error)};
}

}  // namespace tooling::test
