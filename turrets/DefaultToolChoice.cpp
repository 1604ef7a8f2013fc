#include "turrets/DefaultToolChoice.h"

#include <algorithm>

#include "core/Machine.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/ShapeTable.h"
#include "library/ToolFile.h"
#include "library/ToolSizeText.h"

namespace tooling::turrets {

namespace {

constexpr char kSquare = 'B';

bool AnyIndexStation(const library::ToolRec& rec) {
    return std::any_of(rec.Stns.begin(), rec.Stns.end(), [](const library::ToolStation& pair) {
        return core::IsIndexStation(pair.StnKind);
    });
}

bool HasAngle(const library::ToolRec& rec, float angle) {
    return std::find(rec.Angles.begin(), rec.Angles.end(), angle) != rec.Angles.end();
}

// The load angles a tool needs for the kind at a station that does not index.
bool AnglesSuit(int kind, char shapeCode, const library::ToolRec& rec) {
    switch (kind) {
        case library::kXShearing:
        case library::kClearing:
            return HasAngle(rec, 0.0F);
        case library::kYShearing:
            return HasAngle(rec, 90.0F) || (shapeCode == kSquare && HasAngle(rec, 0.0F));
        default:
            return true;
    }
}

}  // namespace

std::int16_t MarkWithout(int kind, std::int16_t mark) {
    switch (kind) {
        case library::kXShearing:
            return mark == 5 || mark == 2 ? 2 : 0;
        case library::kYShearing:
            return mark == 5 || mark == 1 ? 1 : 0;
        default:
            return 0;
    }
}

std::int16_t MarkWith(int kind, std::int16_t mark) {
    switch (kind) {
        case library::kXShearing:
            return mark == 2 || mark == 5 ? 5 : 1;
        case library::kYShearing:
            return mark == 1 || mark == 5 ? 5 : 2;
        default:
            return static_cast<std::int16_t>(kind);
    }
}

std::string_view DefaultCaption(int kind) {
    switch (kind) {
        case library::kXShearing:
            return "X Shearing Tool";
        case library::kYShearing:
            return "Y Shearing Tool";
        case library::kClearing:
            return "Clearing Tool";
        case library::kNibbling:
            return "Nibbling Tool";
        default:
            return "";
    }
}

std::vector<OfferedShape> OfferedShapes(const core::Session& session, int kind) {
    const library::ShapeEntry& diameter = library::kShapes[0];
    const library::ShapeEntry& square = library::kShapes[1];
    const library::ShapeEntry& rectangle = library::kShapes[3];
    switch (kind) {
        case library::kXShearing:
        case library::kYShearing:
            return {{square.caption, square.code}, {rectangle.caption, rectangle.code}};
        case library::kClearing:
            return {{square.caption, square.code}};
        case library::kNibbling:
            // A router machine keeps its cutters in the Diameter file.
            return {{session.machine.RouterMachine ? "Router" : diameter.caption, diameter.code}};
        default:
            return {};
    }
}

std::vector<ChoiceLine> DefaultSizeLines(const core::Session& session, int kind, char shapeCode) {
    const std::vector<library::ToolRec> recs = library::ReadToolFile(session, shapeCode);
    const std::size_t count =
        std::min(recs.size(), static_cast<std::size_t>(library::kMaxToolRecords));
    std::vector<ChoiceLine> lines;
    for (std::size_t i = 0; i < count; ++i) {
        const library::ToolRec& rec = recs[i];
        if (library::ValidTool(shapeCode, rec) &&
            (AnyIndexStation(rec) || AnglesSuit(kind, shapeCode, rec))) {
            lines.push_back({library::ToolSizeText(shapeCode, rec, session.machine.ImperialDisplay),
                             static_cast<std::int16_t>(i + 1)});
        }
    }
    return lines;
}

std::vector<StationChoice> DefaultStationLines(const core::Session& session, int kind,
                                               const library::ToolRec& rec) {
    const bool anglesSuit = AnglesSuit(kind, rec.Shape, rec);
    const auto& table = session.machine.StationTable;
    std::vector<StationChoice> lines;
    for (const library::ToolStation& pair : rec.Stns) {
        if (!core::IsIndexStation(pair.StnKind) && !(pair.StnType > 0 && anglesSuit)) {
            continue;
        }
        const bool known =
            pair.StnType >= 1 && static_cast<std::size_t>(pair.StnType) < table.size();
        lines.push_back(
            {known ? core::Trim(table[static_cast<std::size_t>(pair.StnType)].name) : std::string(),
             pair.StnType, pair.StnKind});
    }
    return lines;
}

void StoreDefault(core::Session& session, int kind, char shapeCode, std::int16_t recordNo,
                  const StationChoice& station) {
    if (!library::ShapeSuitsKind(kind, shapeCode)) {
        return;
    }
    const std::optional<library::ToolRec> chosen = library::ReadTool(session, shapeCode, recordNo);
    if (!chosen || chosen->Shape != shapeCode) {
        throw library::ToolFileRefusal(library::kToolChangedElsewhere);
    }
    core::DefaultToolRec& stored = session.lib.DefaultTools[static_cast<std::size_t>(kind - 1)];
    if (library::DefaultDefined(session, kind)) {
        library::RewriteDefMark(session, stored.shape, stored.recordNo,
                                [kind](std::int16_t mark) { return MarkWithout(kind, mark); });
    }
    const std::optional<library::ToolRec> rec = library::RewriteDefMark(
        session, shapeCode, recordNo, [kind](std::int16_t mark) { return MarkWith(kind, mark); });
    if (!rec) {
        throw library::ToolFileRefusal(library::kToolChangedElsewhere);
    }
    core::DefaultToolRec def;
    def.recordNo = recordNo;
    def.shape = shapeCode;
    def.descr = library::PaddedDescr(rec->Descr);
    def.dims = rec->Dims;
    def.stnType = station.type;
    def.stnKind = station.kind;
    const bool turned =
        kind == library::kYShearing && !core::IsIndexStation(station.kind) && shapeCode != kSquare;
    def.angle = turned ? 90.0F : 0.0F;
    stored = def;
    library::WriteDefault(session, kind);
}

}  // namespace tooling::turrets
