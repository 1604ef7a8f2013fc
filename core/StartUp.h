#pragma once

namespace tooling::core {

struct Session;

enum class StartOutcome {
    Ready,    // the installation and the machine are loaded
    Refused,  // a sibling program is missing: the beep has sounded, the program must end quietly
};

// Reads the suite configuration, makes sure of the suite's folders, loads the machine in use and
// rewrites the configuration. A file error throws platform::FileError; the program must then
// report it and end.
StartOutcome StartUp(Session& session);

}  // namespace tooling::core
