#pragma once

#include <string>
#include <vector>

#include "platform/Process.h"

namespace tooling::test {

// Records the programs started; `starts` says whether starting succeeds.
class FakeProcess : public platform::Process {
  public:
    bool RunAndWait(const std::string& program) override {
        started.push_back(program);
        return starts;
    }

    std::vector<std::string> started;
    bool starts = true;
};

}  // namespace tooling::test
