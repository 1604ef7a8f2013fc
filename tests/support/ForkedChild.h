#pragma once

#include <sys/types.h>

#include <functional>

namespace tooling::test {

// Runs a function in a forked child process, with a pipe each way for one-byte signals. The
// child ends with status 0 when the function returns and 1 when it throws; it never returns
// into the test program. A child still running when the object goes is killed and reaped.
class ForkedChild {
  public:
    explicit ForkedChild(const std::function<void(ForkedChild&)>& body);
    ~ForkedChild();
    ForkedChild(const ForkedChild&) = delete;
    ForkedChild& operator=(const ForkedChild&) = delete;

    // Either side: sends one byte to the other, or waits for one (-1 when the other side has
    // closed its end or ended).
    void Send(char byte);
    int Receive();

    // Parent side: kills the child with SIGKILL, and waits for it to end.
    void Kill();
    // Parent side: waits for the child to end and returns its wait status.
    int Wait();

  private:
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

}  // namespace tooling::test
