#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tooling::test {

class ChildProcess;

// What a child process does: a function of the test program, given the child (to signal the
// test with Send) and text arguments. It throws to fail.
using ChildRole = void (*)(ChildProcess& self, const std::vector<std::string>& args);

// Runs a role of this test program in a child process that can send the test one-byte signals.
// On POSIX the child is a fork of the test; on Windows it is the test program started again,
// which finds its role by name, so roles are registered by name before main runs:
//
//     void Holder(test::ChildProcess& self, const std::vector<std::string>& args) { ... }
//     const bool kHolder = test::ChildProcess::Register("holder", Holder);
//
// A test program with children starts in ChildMain.cpp's main. A child still running when the
// object goes is killed.
class ChildProcess {
  public:
    // The status of a child that was killed.
    static constexpr int kKilled = -1;

    ChildProcess(const std::string& role, const std::vector<std::string>& args);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Child side: sends one byte to the test.
    void Send(char byte);
    // Test side: the next byte the child sent, or -1 once it has ended.
    int Receive();
    // Test side: kills the child; both return its status once it has ended: 0 when its role
    // returned, 1 when the role threw, kKilled when it was killed.
    int Kill();
    int Wait();

    static bool Register(const std::string& name, ChildRole role);
    // Plays the role and ends the process when this program was started as a child; returns
    // otherwise.
    static void RunIfChild(int argc, char** argv);

  private:
    explicit ChildProcess(std::intptr_t channel);
    // The role of that name; throws when there is none.
    static ChildRole Find(const std::string& name);
    [[noreturn]] static void Play(ChildProcess& self, const std::string& role,
                                  const std::vector<std::string>& args);

    std::intptr_t process_ = -1;  // pid, or process handle
    std::intptr_t channel_ = -1;  // descriptor, or pipe handle
    int status_ = -2;             // -2 until the child has been waited for
    bool killed_ = false;
};

}  // namespace tooling::test
