#include "tests/support/ChildProcess.h"

#include <cstdlib>
#include <map>
#include <stdexcept>

namespace tooling::test {

namespace {
std::map<std::string, ChildRole>& Roles() {
    static std::map<std::string, ChildRole> roles;
    return roles;
}
}  // namespace

bool ChildProcess::Register(const std::string& name, ChildRole role) {
    return Roles().emplace(name, role).second;
}

ChildRole ChildProcess::Find(const std::string& name) {
    const auto found = Roles().find(name);
    if (found == Roles().end()) {
        throw std::runtime_error("no child role \"" + name + "\"");
    }
    return found->second;
}

void ChildProcess::Play(ChildProcess& self, const std::string& role,
                        const std::vector<std::string>& args) {
    try {
        Find(role)(self, args);
    } catch (...) {
        std::_Exit(1);
    }
    std::_Exit(0);
}

}  // namespace tooling::test
