#pragma once

#include <sys/types.h>

#include <functional>

namespace tooling::test {

// Runs a function in a forked child process that can send the test one-byte signals. The child
// ends with status 0 when the function returns and 1 when it throws; it never returns into the
// test program. A child still running when the object goes is killed.
class ForkedChild {
  public:
    explicit ForkedChild(const std::function<void(ForkedChild&)>& body);
    ~ForkedChild();
    ForkedChild(const ForkedChild&) = delete;
    ForkedChild& operator=(const ForkedChild&) = delete;

    // Child side: sends one byte to the test.
    void Send(char byte);
    // Test side: the next byte the child sent, or -1 once it has ended.
    int Receive();
    // Test side: kills the child with SIGKILL; both return its wait status once it has ended.
    int Kill();
    int Wait();

  private:
    pid_t pid_ = -1;
    int fd_ = -1;
    int status_ = -1;  // -1 until the child has been reaped
};

}  // namespace tooling::test
