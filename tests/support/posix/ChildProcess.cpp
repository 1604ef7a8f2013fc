#include "tests/support/ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace tooling::test {

ChildProcess::ChildProcess(const std::string& role, const std::vector<std::string>& args) {
    Find(role);
    int fds[2];
    pid_t pid = -1;
    if (::pipe(fds) != 0 || (pid = ::fork()) < 0) {
        throw std::runtime_error("cannot start a child process");
    }
    ::close(fds[pid == 0 ? 0 : 1]);
    if (pid == 0) {
        ChildProcess self(fds[1]);
        Play(self, role, args);
    }
    process_ = pid;
    channel_ = fds[0];
}

ChildProcess::ChildProcess(std::intptr_t channel) : channel_(channel) {}

ChildProcess::~ChildProcess() {
    if (process_ >= 0) {
        Kill();
    }
    ::close(static_cast<int>(channel_));
}

void ChildProcess::Send(char byte) {
    if (::write(static_cast<int>(channel_), &byte, 1) != 1) {
        throw std::runtime_error("cannot signal the test");
    }
}

int ChildProcess::Receive() {
    unsigned char byte = 0;
    return ::read(static_cast<int>(channel_), &byte, 1) == 1 ? byte : -1;
}

int ChildProcess::Kill() {
    if (status_ == -2) {
        ::kill(static_cast<pid_t>(process_), SIGKILL);
    }
    return Wait();
}

int ChildProcess::Wait() {
    if (status_ == -2) {
        int status = 0;
        ::waitpid(static_cast<pid_t>(process_), &status, 0);
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : kKilled;
    }
    return status_;
}

void ChildProcess::RunIfChild(int, char**) {
    // A forked child plays its role right away: nothing to do at start.
}

}  // namespace tooling::test
