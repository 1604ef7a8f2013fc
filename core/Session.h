#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/DefaultToolRec.h"
#include "core/Installation.h"
#include "core/Machine.h"
#include "platform/Services.h"

namespace tooling::core {

// The current tool library.
struct LibraryState {
    std::string LibraryName;
    std::string ToolLibPrefix;    // ends in "."
    std::string TurretLibPrefix;  // ends in "."
    std::string MaterialName;
    std::array<DefaultToolRec, 4> DefaultTools{};  // X shearing, Y shearing, clearing, nibbling
};

// The main window's current tool shape.
struct WindowState {
    std::int16_t CurShapeNo = 1;  // 1 to 14 in Tool Shape menu order, 21 = Router
    std::string CurShapeCode = "A";
};

// What the commands share while one of them is under way.
struct CommandState {
    std::int16_t EditRecNo = 0;
    bool AddAgain = false;
    // Per station-list line: selected when a tool was last accepted. A list has at most one
    // line per station type.
    std::array<std::int16_t, kMaxStationType> StnLidx{};
    std::string SpecialName;
    std::int16_t TurretMode = 0;
    std::int16_t CurTurret = 0;
    std::int16_t MsgAnswer = 0;  // 6 yes, 7 no
    std::int16_t KeyMode = 0;
    bool SyncBusy = false;
    std::int16_t LibraryMode = 0;  // 1 select, 2 create, 3 delete, 0 no library dialog
};

inline constexpr std::int16_t kAnswerYes = 6;
inline constexpr std::int16_t kAnswerNo = 7;

// Everything that lives for one run of the program.
struct Session {
    explicit Session(platform::Services& services) : os(services) {}

    Installation inst;
    Machine machine;
    LibraryState lib;
    WindowState win;
    CommandState cmd;
    platform::Services& os;
};

}  // namespace tooling::core
