#include "core/Material.h"

#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "platform/FileError.h"

namespace tooling::core {

std::string MaterialPath(const Session& session, std::string_view material) {
    return session.machine.MaterialDir + std::string(material) + ".mtl";
}

std::string MaterialLibraryName(const Session& session, std::string_view material) {
    constexpr std::size_t kLibraryLine = 7;
    if (!session.machine.TurretMachine && !session.machine.RouterMachine) {
        return {};
    }
    const std::string path = MaterialPath(session, material);
    try {
        if (!session.os.fs.Exists(path, platform::ListFilter::Files)) {
            return {};
        }
        const std::vector<std::string> lines = SplitLines(session.os.fs.ReadAll(path));
        return lines.size() < kLibraryLine ? std::string() : ValuePart(lines[kLibraryLine - 1]);
    } catch (const platform::FileError&) {
        return {};
    }
}

}  // namespace tooling::core
