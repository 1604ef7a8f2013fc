#include "tests/platform/FaultyReplace.h"

#include <windows.h>
#undef DeleteFile

#include <algorithm>

#include "platform/win/WinError.h"
#include "platform/win/WinFileSystem.h"

namespace tooling::test {

namespace {

auto Failing(DWORD error) {
    return [error](auto...) {
        ::SetLastError(error);
        return false;
    };
}

}  // namespace

FaultyReplace WithFault(ReplaceFault fault) {
    platform::WinCalls calls;
    DWORD error = 0;
    switch (fault) {
        case ReplaceFault::WriteFails:
            calls.write = Failing(error = ERROR_DISK_FULL);
            break;
        case ReplaceFault::WriteWritesNothing:
            calls.write = [](void*, const void*, unsigned long, unsigned long& written) {
                written = 0;
                return true;
            };
            error = ERROR_DISK_FULL;
            break;
        case ReplaceFault::ShortInterruptedWrites:
            // Windows has no interrupted writes; short ones it has.
            calls.write = [](void* file, const void* data, unsigned long size,
                             unsigned long& written) {
                DWORD done = 0;
                const bool ok = ::WriteFile(file, data, std::min<DWORD>(size, 7), &done, nullptr);
                written = done;
                return ok;
            };
            break;
        case ReplaceFault::FlushFails:
            calls.flush = Failing(error = ERROR_WRITE_FAULT);
            break;
        case ReplaceFault::CloseFails:
            calls.close = [](void* file) {
                ::CloseHandle(file);  // the handle is gone, whatever the close reports
                return Failing(ERROR_WRITE_FAULT)();
            };
            error = ERROR_WRITE_FAULT;
            break;
        case ReplaceFault::MoveFails:
            calls.move = Failing(error = ERROR_ACCESS_DENIED);
            break;
    }
    return {std::make_unique<platform::WinFileSystem>(std::move(calls)),
            error == 0 ? "" : platform::WinErrorText(error)};
}

}  // namespace tooling::test
