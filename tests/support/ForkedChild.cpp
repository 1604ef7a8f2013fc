#include "tests/support/ForkedChild.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace tooling::test {

ForkedChild::ForkedChild(const std::function<void(ForkedChild&)>& body) {
    int fds[2];
    if (::pipe(fds) != 0 || (pid_ = ::fork()) < 0) {
        throw std::runtime_error("cannot start a child process");
    }
    fd_ = fds[pid_ == 0 ? 1 : 0];
    ::close(fds[pid_ == 0 ? 0 : 1]);
    if (pid_ == 0) {
        try {
            body(*this);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
}

ForkedChild::~ForkedChild() {
    Kill();
    ::close(fd_);
}

void ForkedChild::Send(char byte) {
    if (::write(fd_, &byte, 1) != 1) {
        throw std::runtime_error("cannot signal the test");
    }
}

int ForkedChild::Receive() {
    unsigned char byte = 0;
    return ::read(fd_, &byte, 1) == 1 ? byte : -1;
}

int ForkedChild::Kill() {
    if (status_ < 0) {
        ::kill(pid_, SIGKILL);
    }
    return Wait();
}

int ForkedChild::Wait() {
    if (status_ < 0) {
        ::waitpid(pid_, &status_, 0);
    }
    return status_;
}

}  // namespace tooling::test
