#include "tests/support/ChildProcess.h"

#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <stdexcept>
#include <string>

#include "platform/Cp1252Text.h"

namespace tooling::test {

namespace {

// The exit code a killed child gets.
constexpr UINT kKilledCode = 0xDEAD;

constexpr std::wstring_view kChildFlag = L"--tooling-child";

std::wstring Wide(const std::string& text) {
    const std::u16string wide = platform::Utf16FromCp1252(text);
    return std::wstring(wide.begin(), wide.end());
}

// One argument, quoted as the C runtime splits a command line: backslashes are literal except
// before a quote, where each is doubled and the quote escaped.
std::wstring Quoted(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

HANDLE AsHandle(std::intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

}  // namespace

ChildProcess::ChildProcess(const std::string& role, const std::vector<std::string>& args) {
    Find(role);
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &inherited, 0)) {
        throw std::runtime_error("cannot make a pipe to a child process");
    }
    ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    wchar_t program[MAX_PATH];
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring line = Quoted(program) + L" " + std::wstring(kChildFlag) + L" " + Wide(role) +
                        L" " + std::to_wstring(reinterpret_cast<std::intptr_t>(write));
    for (const std::string& arg : args) {
        line += L" " + Quoted(Wide(arg));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // Wine now and then refuses a start while it still tears down a killed child: try again.
    bool ok = false;
    DWORD error = 0;
    for (int attempt = 0; attempt < 5 && !ok; ++attempt) {
        if (attempt > 0) {
            ::Sleep(200 * attempt);
        }
        ok = ::CreateProcessW(program, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                              &startup, &started);
        error = ok ? 0 : ::GetLastError();
    }
    ::CloseHandle(write);
    if (!ok) {
        ::CloseHandle(read);
        throw std::runtime_error("cannot start a child process (error " + std::to_string(error) +
                                 ")");
    }
    ::CloseHandle(started.hThread);
    process_ = reinterpret_cast<std::intptr_t>(started.hProcess);
    channel_ = reinterpret_cast<std::intptr_t>(read);
}

ChildProcess::ChildProcess(std::intptr_t channel) : channel_(channel) {}

ChildProcess::~ChildProcess() {
    if (process_ != -1) {
        Kill();
        ::CloseHandle(AsHandle(process_));
    }
    ::CloseHandle(AsHandle(channel_));
}

void ChildProcess::Send(char byte) {
    DWORD written = 0;
    if (!::WriteFile(AsHandle(channel_), &byte, 1, &written, nullptr) || written != 1) {
        throw std::runtime_error("cannot signal the test");
    }
}

int ChildProcess::Receive() {
    unsigned char byte = 0;
    DWORD got = 0;
    return ::ReadFile(AsHandle(channel_), &byte, 1, &got, nullptr) && got == 1 ? byte : -1;
}

int ChildProcess::Kill() {
    if (status_ == -2 && ::TerminateProcess(AsHandle(process_), kKilledCode)) {
        killed_ = true;
    }
    return Wait();
}

int ChildProcess::Wait() {
    if (status_ == -2) {
        ::WaitForSingleObject(AsHandle(process_), INFINITE);
        DWORD code = 0;
        ::GetExitCodeProcess(AsHandle(process_), &code);
        status_ = killed_ && code == kKilledCode ? kKilled : static_cast<int>(code);
    }
    return status_;
}

void ChildProcess::RunIfChild(int, char**) {
    // The arguments as the system has them, in UTF-16: the C runtime's would have lost every
    // character outside the machine's code page.
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr || count < 4 || wide[1] != kChildFlag) {
        ::LocalFree(wide);
        return;
    }
    std::vector<std::string> args;
    for (int i = 2; i < count; ++i) {
        const std::wstring_view arg = wide[i];
        args.push_back(platform::Cp1252FromUtf16(std::u16string(arg.begin(), arg.end())));
    }
    ::LocalFree(wide);
    ChildProcess self(static_cast<std::intptr_t>(std::stoll(args[1])));
    const std::string role = args[0];
    args.erase(args.begin(), args.begin() + 2);
    Play(self, role, args);
}

}  // namespace tooling::test
