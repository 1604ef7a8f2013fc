#include "cli/LibraryCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <utility>

#include "core/Session.h"
#include "core/Text.h"
#include "library/CrossReference.h"
#include "library/DefaultTools.h"
#include "library/LibraryFiles.h"
#include "library/ShapeTable.h"
#include "library/SpecialDrawings.h"
#include "library/ToolFile.h"
#include "library/ToolSizeText.h"
#include "turrets/DefaultToolChoice.h"

namespace tooling::cli {

namespace {

constexpr std::array<const char*, 4> kKindNames = {"X shearing tool", "Y shearing tool",
                                                   "clearing tool", "nibbling tool"};

std::string ToolName(char code, const library::ToolRec& rec) {
    const std::string name = core::Trim(rec.Descr);
    return code == 'S' ? name : name + " " + library::ToolSizeText(code, rec, false);
}

std::string RecordName(char code, std::int16_t number) {
    return "record " + std::to_string(number) + " of the " + std::string(1, code) + " tool file";
}

// The first valid record of the shape's file with the default's description and dimensions.
std::optional<std::int16_t> FindDescribed(const std::vector<library::ToolRec>& recs,
                                          const core::DefaultToolRec& def) {
    for (std::size_t i = 0; i < recs.size() && i < library::kMaxToolRecords; ++i) {
        const library::ToolRec& rec = recs[i];
        if (library::ValidTool(def.shape, rec) && rec.Shape == def.shape &&
            rec.Descr == def.descr && rec.Dims == def.dims) {
            return static_cast<std::int16_t>(i + 1);
        }
    }
    return std::nullopt;
}

class Checker {
  public:
    Checker(core::Session& session, bool repair, const CheckProgress& progress)
        : session_(session), repair_(repair), progress_(progress) {}

    CheckReport Run() {
        for (std::size_t i = 0; i < library::kShapes.size(); ++i) {
            const char code = library::kShapes[i].code;
            files_[code] = library::ReadToolFile(session_, code);
            Progress("reading tool file", i + 1, library::kShapes.size());
        }
        InvalidRecords();
        const std::vector<std::pair<char, std::int16_t>> defaults = Defaults();
        Marks(defaults);
        TurretRows();
        Drawings();
        return std::move(report_);
    }

  private:
    void Progress(const std::string& step, std::size_t done, std::size_t count) const {
        if (progress_) {
            progress_(step, done, count);
        }
    }

    void InvalidRecords() {
        for (const auto& [code, recs] : files_) {
            for (std::size_t i = 0; i < recs.size(); ++i) {
                if (!library::ValidTool(code, recs[i])) {
                    report_.faults.push_back(RecordName(code, static_cast<std::int16_t>(i + 1)) +
                                             " is not a valid tool");
                }
            }
        }
    }

    // Checks each default and returns the (shape, record) each sound one points at.
    std::vector<std::pair<char, std::int16_t>> Defaults() {
        std::vector<std::pair<char, std::int16_t>> sound(4, {' ', 0});
        for (int kind = 1; kind <= 4; ++kind) {
            core::DefaultToolRec& def =
                session_.lib.DefaultTools[static_cast<std::size_t>(kind - 1)];
            if (!library::DefaultDefined(session_, kind)) {
                continue;
            }
            const std::string what = std::string("the ") +
                                     kKindNames[static_cast<std::size_t>(kind - 1)] + " (" +
                                     core::Trim(def.descr) + ")";
            const std::vector<library::ToolRec>& recs = files_[def.shape];
            const auto at = static_cast<std::size_t>(def.recordNo);
            std::string fault;
            if (at > recs.size()) {
                fault = what + " points at " + RecordName(def.shape, def.recordNo) +
                        ", which is missing";
            } else if (!library::ValidTool(def.shape, recs[at - 1])) {
                fault = what + " points at " + RecordName(def.shape, def.recordNo) +
                        ", which is not a valid tool";
            } else if (recs[at - 1].Shape != def.shape || recs[at - 1].Descr != def.descr ||
                       recs[at - 1].Dims != def.dims) {
                fault = what + " points at " + RecordName(def.shape, def.recordNo) +
                        ", which holds another tool";
            } else {
                sound[static_cast<std::size_t>(kind - 1)] = {def.shape, def.recordNo};
                continue;
            }
            const std::optional<std::int16_t> moved = FindDescribed(recs, def);
            if (repair_ && moved) {
                def.recordNo = *moved;
                library::WriteDefault(session_, kind);
                report_.repaired.push_back(fault + ": now points at record " +
                                           std::to_string(*moved));
                sound[static_cast<std::size_t>(kind - 1)] = {def.shape, def.recordNo};
            } else {
                report_.faults.push_back(
                    fault + (moved ? " (the tool is record " + std::to_string(*moved) + ")"
                                   : " (no record holds the tool)"));
            }
        }
        return sound;
    }

    void Marks(const std::vector<std::pair<char, std::int16_t>>& defaults) {
        for (auto& [code, recs] : files_) {
            for (std::size_t i = 0; i < recs.size(); ++i) {
                const auto number = static_cast<std::int16_t>(i + 1);
                if (!library::ValidTool(code, recs[i])) {
                    continue;
                }
                std::int16_t expected = 0;
                for (int kind = 1; kind <= 4; ++kind) {
                    if (defaults[static_cast<std::size_t>(kind - 1)] == std::pair{code, number}) {
                        expected = turrets::MarkWith(kind, expected);
                    }
                }
                if (recs[i].DefMark == expected) {
                    continue;
                }
                const std::string fault = ToolName(code, recs[i]) + " (" +
                                          RecordName(code, number) + ") has the default mark " +
                                          std::to_string(recs[i].DefMark) + ", the defaults say " +
                                          std::to_string(expected);
                if (repair_ &&
                    library::RewriteDefMark(session_, code, number,
                                            [expected](std::int16_t) { return expected; })) {
                    recs[i].DefMark = expected;
                    report_.repaired.push_back(fault);
                } else {
                    report_.faults.push_back(fault);
                }
            }
        }
    }

    void TurretRows() {
        library::StandardTurrets read =
            library::ReadStandardTurrets(session_, [this](std::size_t done, std::size_t count) {
                Progress("checking turret", done, count);
            });
        for (std::string& line : read.unreadable) {
            report_.faults.push_back(std::move(line));
        }
        const library::CrossReference crossReference(std::move(read.turrets), files_);
        const std::vector<library::StandardTurret>& turrets = crossReference.turrets();
        for (const library::StationRef& stray : crossReference.Strays()) {
            const library::StandardTurret& turret = turrets[stray.turret];
            const library::StationRow& row = turret.rows[stray.row];
            report_.faults.push_back("turret \"" + turret.name + "\" station " +
                                     std::to_string(row.station) + ": " + core::Trim(row.tool) +
                                     " " + library::StationToolSize(row, false, 3) +
                                     " is not in the library");
        }
    }

    void Drawings() {
        const std::vector<library::DrawingEntry> index = library::ReadDrawingIndex(session_);
        for (const library::DrawingEntry& entry : index) {
            if (!session_.os.fs.Exists(library::DrawingPath(session_, entry.number),
                                       platform::ListFilter::Files)) {
                report_.faults.push_back("the drawing index names \"" + entry.name +
                                         "\" with drawing " + std::to_string(entry.number) +
                                         ", which does not exist");
            }
        }
        const std::string folder = library::ToolFolder(session_);
        for (const std::string& name :
             library::OwnFiles(session_.os.fs, folder, session_.lib.LibraryName)) {
            const std::string ext = library::FileExt(name);
            if (ext.empty() || ext.size() > 5 || !std::all_of(ext.begin(), ext.end(), [](char c) {
                    return std::isdigit(static_cast<unsigned char>(c));
                })) {
                continue;
            }
            const int number = std::stoi(ext);
            if (std::none_of(index.begin(), index.end(), [&](const library::DrawingEntry& entry) {
                    return entry.number == number;
                })) {
                report_.faults.push_back("the drawing \"" + name +
                                         "\" has no entry in the drawing index");
            }
        }
    }

    core::Session& session_;
    bool repair_;
    const CheckProgress& progress_;
    CheckReport report_;
    library::ToolFiles files_;
};

}  // namespace

CheckReport CheckLibrary(core::Session& session, bool repair, const CheckProgress& progress) {
    return Checker(session, repair, progress).Run();
}

}  // namespace tooling::cli
