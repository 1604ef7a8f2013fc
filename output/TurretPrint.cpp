#include "output/TurretPrint.h"

#include <vector>

#include "core/Session.h"
#include "core/Text.h"
#include "illustration/TurretDrawing.h"
#include "library/CrossReference.h"
#include "library/TurretRows.h"
#include "numeric/NumText.h"
#include "output/PrintFrame.h"
#include "platform/FileError.h"

namespace tooling::output {

namespace {

constexpr int kSheetDecimals = 4;  // inches

void PrintIllustration(const core::Session& session, const library::StandardTurret& turret,
                       platform::TextPage& page) {
    std::vector<bool> notInLibrary;
    try {
        notInLibrary = library::StrayRows(session, turret);
    } catch (const platform::FileError&) {
        // Without the tool files the picture shows the tools unmarked.
    }
    const illustration::TurretLayout layout = illustration::LoadLayout(session);
    page.NewPage();
    PrintHeading(page, turret.name,
                 {{5, "Library : " + session.lib.LibraryName},
                  {45, "Machine : " + session.machine.MachineName}});
    page.DrawFitted(illustration::DrawTurret({session.machine, layout, turret.rows, notInLibrary}));
}

}  // namespace

void PrintTurret(core::Session& session, std::int16_t number, std::string_view name,
                 bool withIllustration) {
    PrintTurret(session, number, name, session.os.printer, withIllustration);
}

void PrintTurret(core::Session& session, std::int16_t number, std::string_view name,
                 platform::TextPage& on, bool withIllustration) {
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
        if (withIllustration) {
            PrintIllustration(session, {core::Trim(name), number, rows}, page);
        }
    });
}

}  // namespace tooling::output
