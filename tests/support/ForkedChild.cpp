#include "tests/support/ForkedChild.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace tooling::test {

ForkedChild::ForkedChild(const std::function<void(ForkedChild&)>& body) {
    int toChild[2];
    int toParent[2];
    if (::pipe(toChild) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    if (::pipe(toParent) != 0) {
        ::close(toChild[0]);
        ::close(toChild[1]);
        throw std::runtime_error("cannot make a pipe");
    }
    pid_ = ::fork();
    if (pid_ < 0) {
        throw std::runtime_error("cannot fork");
    }
    if (pid_ == 0) {
        ::close(toChild[1]);
        ::close(toParent[0]);
        in_ = toChild[0];
        out_ = toParent[1];
        int status = 0;
        try {
            body(*this);
        } catch (...) {
            status = 1;
        }
        ::_exit(status);
    }
    ::close(toChild[0]);
    ::close(toParent[1]);
    in_ = toParent[0];
    out_ = toChild[1];
}

ForkedChild::~ForkedChild() {
    if (!reaped_) {
        Kill();
    }
    ::close(in_);
    ::close(out_);
}

void ForkedChild::Send(char byte) {
    while (::write(out_, &byte, 1) < 0 && errno == EINTR) {
    }
}

int ForkedChild::Receive() {
    char byte = 0;
    for (;;) {
        const ssize_t got = ::read(in_, &byte, 1);
        if (got == 1) {
            return static_cast<unsigned char>(byte);
        }
        if (got == 0 || errno != EINTR) {
            return -1;
        }
    }
}

void ForkedChild::Kill() {
    if (!reaped_) {
        ::kill(pid_, SIGKILL);
        Wait();
    }
}

int ForkedChild::Wait() {
    if (!reaped_) {
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    return status_;
}

}  // namespace tooling::test
