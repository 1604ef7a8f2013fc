#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "library/ToolRec.h"

namespace tooling::core {
struct Session;
}

namespace tooling::turrets {

// A line of the default-tool dialog's size list: the tool's size and its record number.
struct ChoiceLine {
    std::string text;
    std::int16_t recordNo = 0;
    bool operator==(const ChoiceLine&) const = default;
};

// A line of the station list: the station type's name and the tool's (type, kind) pair.
struct StationChoice {
    std::string text;
    std::int16_t type = 0, kind = 0;
    bool operator==(const StationChoice&) const = default;
};

// A shape the dialog offers for a kind of default tool, and the file its tools are read from.
struct OfferedShape {
    std::string_view caption;
    char code;
    bool operator==(const OfferedShape&) const = default;
};

// The caption of the dialog for a kind (1 X shearing, 2 Y shearing, 3 clearing, 4 nibbling).
std::string_view DefaultCaption(int kind);

// The shapes offered for a kind: Square and Rectangle for shearing, Square for clearing, Diameter
// (Router on a router machine) for nibbling.
std::vector<OfferedShape> OfferedShapes(const core::Session& session, int kind);

// The mark a tool keeps when it stops being the kind's default, and the one it takes when it
// becomes it: 5 stands for a tool that is both the X and the Y shearing tool.
std::int16_t MarkWithout(int kind, std::int16_t mark);
std::int16_t MarkWith(int kind, std::int16_t mark);

// The live tools of the shape's file that suit the kind, in file order, as the size list shows
// them. Throws platform::FileError when the file cannot be read.
std::vector<ChoiceLine> DefaultSizeLines(const core::Session& session, int kind, char shapeCode);

// The station pairs of the tool that suit the kind, in record order.
std::vector<StationChoice> DefaultStationLines(const core::Session& session, int kind,
                                               const library::ToolRec& rec);

// The dialog's Ok for a chosen tool and station line: takes the kind's mark off the old default's
// tool (only when that record still holds a tool of the default's shape), puts it on the chosen
// tool, and stores the kind's default in memory and in the defaults file with its angle. Each mark
// is a locked rewrite of its tool file. Throws library::ToolFileRefusal when the chosen record no
// longer holds a tool of the shape (nothing is written then) and platform::FileError on a file
// error.
void StoreDefault(core::Session& session, int kind, char shapeCode, std::int16_t recordNo,
                  const StationChoice& station);

}  // namespace tooling::turrets
