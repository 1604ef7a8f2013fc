#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Process.h"

namespace tooling::test {

// Records the programs started; `starts` says whether starting succeeds. `whileRunning`, when
// set, stands for what a started program does before it ends (edit a file, look at a window).
class FakeProcess : public platform::Process {
  public:
    bool RunAndWait(const std::string& program) override {
        started.push_back(program);
        if (starts && whileRunning) {
            whileRunning(program);
        }
        return starts;
    }

    std::vector<std::string> started;
    bool starts = true;
    std::function<void(const std::string&)> whileRunning;
};

}  // namespace tooling::test
