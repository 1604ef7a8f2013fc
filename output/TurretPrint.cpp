#include "output/TurretPrint.h"

#include <vector>

#include "core/Session.h"
#include "core/Text.h"
#include "library/TurretRows.h"
#include "numeric/NumText.h"
#include "output/PrintFrame.h"

namespace tooling::output {

namespace {

constexpr int kSheetDecimals = 4;  // inches

}  // namespace

void PrintTurret(core::Session& session, std::int16_t number, std::string_view name) {
    PrintTurret(session, number, name, session.os.printer);
}

void PrintTurret(core::Session& session, std::int16_t number, std::string_view name,
                 platform::TextPage& on) {
    RunPrint(session, on, [&](platform::TextPage& page) {
        // The whole file is read first: one that cannot be read prints nothing.
        const std::vector<library::StationRow> rows = library::LoadTurret(session, number);
        PrintHeading(page, core::Trim(name),
                     {{5, "Station"}, {15, "Tool Type"}, {35, "Tool Size"}, {60, "Angle"}});
        for (const library::StationRow& row : rows) {
            const bool empty = library::StationShape(row) == ' ';
            page.PrintLine({{5, numeric::IntText(row.station)},
                            {16, library::StationToolType(row)},
                            {37, library::StationToolSize(row, session.machine.ImperialDisplay,
                                                          kSheetDecimals)},
                            {63, empty ? std::string() : row.angle}});
        }
    });
}

}  // namespace tooling::output
