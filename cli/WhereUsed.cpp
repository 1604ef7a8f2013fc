#include "cli/WhereUsed.h"

#include "cli/Csv.h"
#include "cli/ToolCsv.h"
#include "core/Session.h"
#include "library/CrossReference.h"
#include "library/ToolFile.h"
#include "tools/ToolListLine.h"
#include "tools/ToolShapes.h"

namespace tooling::cli {

namespace {

constexpr std::size_t kSizeWidth = 20;

}  // namespace

std::vector<std::string> WriteWhereUsed(core::Session& session,
                                        const std::vector<std::int16_t>& shapes, bool csv,
                                        std::ostream& out) {
    library::ToolFiles files;
    for (const std::int16_t shapeNo : shapes) {
        SelectShape(session, shapeNo);
        const char code = session.win.CurShapeCode[0];
        files[code] = library::ReadToolFile(session, code);
    }
    library::StandardTurrets read = library::ReadStandardTurrets(session);
    const library::CrossReference crossReference(std::move(read.turrets), files);
    const std::vector<library::StandardTurret>& turrets = crossReference.turrets();

    if (csv) {
        out << CsvLine({"shape", "size", "turret", "station"});
    }
    for (const std::int16_t shapeNo : shapes) {
        SelectShape(session, shapeNo);
        const char code = session.win.CurShapeCode[0];
        const std::string name = tools::ShapeName(shapeNo);
        const std::vector<library::ToolRec>& recs = files[code];
        if (!csv) {
            out << name << '\n';
        }
        for (std::size_t i = 0; i < recs.size() && i < library::kMaxToolRecords; ++i) {
            if (!library::ValidTool(code, recs[i])) {
                continue;
            }
            const std::string size = tools::ListLine(session, recs[i]).size;
            const std::vector<library::StationRef>& holders = crossReference.Holders(code, i + 1);
            if (!csv) {
                const std::string stations = crossReference.StationNames(session.machine, holders);
                out << "  " << size;
                if (!stations.empty()) {
                    out << std::string(size.size() < kSizeWidth ? kSizeWidth - size.size() : 0, ' ')
                        << "  " << stations;
                }
                out << '\n';
                continue;
            }
            if (holders.empty()) {
                out << CsvLine({name, size, "", ""});
            }
            for (const library::StationRef& station : holders) {
                const library::StandardTurret& turret = turrets[station.turret];
                out << CsvLine({name, size, turret.name,
                                library::StationLabel(session.machine, turret.rows[station.row])});
            }
        }
    }
    return std::move(read.unreadable);
}

}  // namespace tooling::cli
