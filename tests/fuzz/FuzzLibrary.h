#pragma once

#include <string>
#include <string_view>

#include "core/Session.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestServices.h"

namespace tooling::test {

// A library "Lib" in a temporary folder whose files a fuzz target fills with its input.
struct FuzzLibrary {
    FuzzLibrary() { session.lib.ToolLibPrefix = dir.path() + "Lib."; }

    // Writes the library's file of that extension ("A", "lkp", "1").
    void Write(const std::string& extension, std::string_view bytes) {
        WriteFile(session.lib.ToolLibPrefix + extension, bytes);
    }

    TempDir dir;
    TestServices services;
    core::Session session{services.services};
};

}  // namespace tooling::test
