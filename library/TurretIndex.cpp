#include "library/TurretIndex.h"

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "numeric/LeadingNumber.h"
#include "numeric/Rounding.h"

namespace tooling::library {

std::vector<IndexLine> IndexLines(std::string_view bytes, bool stopAtMalformed) {
    const std::vector<std::string> raw = core::SplitLines(bytes);
    std::vector<IndexLine> lines;
    for (std::size_t i = 0; i + 1 < raw.size(); ++i) {
        std::string text = core::Trim(raw[i]);
        if (text.empty() || text == core::kEndMark) {
            break;
        }
        const std::size_t comma = text.find(',');
        if (comma == std::string::npos) {
            if (stopAtMalformed) {
                break;
            }
            continue;
        }
        IndexLine line;
        line.name = core::Trim(std::string_view(text).substr(0, comma));
        line.number =
            numeric::NearestInt16(numeric::LeadingNumber(std::string_view(text).substr(comma + 1)));
        line.text = std::move(text);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string TurretIndexPath(const core::Session& session) {
    return session.lib.TurretLibPrefix + "lkp";
}

std::vector<TurretEntry> ParseTurretIndex(std::string_view bytes) {
    std::vector<TurretEntry> entries;
    for (const IndexLine& line : IndexLines(bytes, true)) {
        if (line.number && *line.number > 0) {
            entries.push_back({line.name, *line.number});
        }
    }
    return entries;
}

std::vector<TurretEntry> ReadTurretIndex(const core::Session& session) {
    return ParseTurretIndex(core::ReadRequired(session.os.fs, TurretIndexPath(session)));
}

}  // namespace tooling::library
