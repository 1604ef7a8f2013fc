// The start of a whole installation writes the same files on every platform. Each machine of
// the fixture starts through StartSession; every folder and file the start makes or changes is
// compared, byte for byte, with golden/StartSession/<machine>.txt, one listing for all
// platforms. On Windows the installation is "C:\Ostrevan\", as the suite installs it, and the
// paths in its files are written with "\" after the drive letter.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "core/Session.h"
#include "library/LibrarySetUp.h"
#include "platform/FileSystem.h"
#include "tests/support/FixtureInstallation.h"
#include "tests/support/GoldenCases.h"
#include "tests/support/GoldenText.h"

namespace tooling::library {
namespace {

using test::FixtureInstallation;

// The bytes with the installation's own paths made alike on every platform: the root as "@"
// and the separators after it as "/"; a line that is the root of the installation's drive as
// "<drive>".
std::string Portable(std::string bytes, const std::string& root, const std::string& drive) {
    for (std::size_t at = 0; (at = bytes.find(root, at)) != std::string::npos;) {
        bytes.replace(at, root.size(), "@");
        for (++at; at < bytes.size() && bytes[at] != '\r' && bytes[at] != '\n'; ++at) {
            bytes[at] = bytes[at] == platform::kSeparator ? '/' : bytes[at];
        }
    }
    const std::string line = "\r\n" + drive + "\r\n";
    for (std::size_t at = 0; (at = bytes.find(line, at)) != std::string::npos;) {
        bytes.replace(at + 2, drive.size(), "<drive>");
    }
    return bytes;
}

// What the start made or changed: each folder and file by name, a file with its bytes or as the
// copy of a file of the same name that was there before.
std::string Listing(const std::map<std::string, std::string>& before,
                    const std::map<std::string, std::string>& after, const std::string& root,
                    const std::string& drive) {
    std::string listing;
    for (const auto& [name, bytes] : after) {
        const auto old = before.find(name);
        if (old != before.end() && old->second == bytes) {
            continue;
        }
        listing += "== " + name;
        if (name.ends_with("/")) {
            listing += "\n";
            continue;
        }
        const std::string file = name.substr(name.rfind('/') + 1);
        const auto copied = std::find_if(before.begin(), before.end(), [&](const auto& entry) {
            return entry.first.ends_with("/" + file) && entry.second == bytes;
        });
        if (old == before.end() && copied != before.end()) {
            listing += " (copy of " + copied->first + ")\n";
        } else {
            listing += (old == before.end() ? " (new)\n" : " (changed)\n") +
                       test::Escaped(Portable(bytes, root, drive));
        }
    }
    return listing;
}

// Where the installation goes: "C:\Ostrevan\" on Windows, a temporary folder elsewhere.
std::unique_ptr<FixtureInstallation> Installation(int machine) {
#ifdef _WIN32
    return std::make_unique<FixtureInstallation>(machine, "C:\\Ostrevan\\");
#else
    return std::make_unique<FixtureInstallation>(machine);
#endif
}

TEST(StartSession, MakesTheSameFilesOnEveryPlatform) {
#ifdef _WIN32
    if (std::filesystem::exists("C:\\Ostrevan")) {
        GTEST_SKIP() << "an installation is in C:\\Ostrevan; it is left alone";
    }
#endif
    const std::pair<int, const char*> machines[] = {{FixtureInstallation::kMetric, "Metric"},
                                                    {FixtureInstallation::kRouter, "Router"},
                                                    {FixtureInstallation::kImperial, "Imperial"}};
    for (const auto& [number, name] : machines) {
        SCOPED_TRACE(name);
        const auto fx = Installation(number);
        fx->WriteConfig(std::to_string(number));  // the start writes it back, with its roots
        const auto before = test::Snapshot(fx->Root());
        ASSERT_EQ(StartSession(fx->session()), core::StartOutcome::Ready);
        EXPECT_EQ(fx->session().inst.ProgramDir, fx->Root() + "Program" + platform::kSeparator);
        const std::string listing = Listing(before, test::Snapshot(fx->Root()), fx->Root(),
                                            fx->session().inst.ProgramDrive);
        const std::string golden =
            std::string(TOOLING_GOLDEN_DIR) + "/StartSession/" + name + ".txt";
        test::ExpectGolden(golden, listing);
    }
}

}  // namespace
}  // namespace tooling::library
