#include "core/Manuals.h"

#include "core/FileSteps.h"
#include "core/Session.h"
#include "core/Text.h"
#include "core/TextFile.h"
#include "platform/FileError.h"

namespace tooling::core {

namespace {

using platform::ListFilter;

// The folders (not files) of a folder whose upper-cased names hold one of the words.
std::vector<std::string> FoldersNamed(const platform::FileSystem& fs, const std::string& dir,
                                      std::initializer_list<std::string_view> words) {
    std::vector<std::string> kept;
    for (const std::string& name : fs.List(dir + "*.*", ListFilter::FilesAndDirs)) {
        const std::string path = dir + name;
        if (fs.Exists(path, ListFilter::Files)) {
            continue;
        }
        const std::string upper = Upper(name);
        for (std::string_view word : words) {
            if (upper.find(word) != std::string::npos) {
                kept.push_back(path + platform::kSeparator);
                break;
            }
        }
    }
    return kept;
}

// The trimmed first line of a settings file; empty when it has none.
std::string FirstLineOf(const platform::FileSystem& fs, const std::string& path) {
    const std::vector<std::string> lines = SplitLines(fs.ReadAll(path));
    return lines.empty() ? std::string() : Trim(lines.front());
}

}  // namespace

std::string FindPdfReader(const platform::FileSystem& fs, std::string_view root) {
    std::string found;
    for (const std::string& adobe : FoldersNamed(fs, WithSeparator(root), {"ACROBAT"})) {
        for (const std::string& folder : FoldersNamed(fs, adobe, {"ACROBAT", "READER"})) {
            for (const std::string& name : fs.List(folder + "*.exe", ListFilter::Files)) {
                const std::string upper = Upper(Trim(name));
                if (upper == "ACROBAT.EXE" || upper == "ACRORD32.EXE") {
                    found = folder + name;
                }
            }
        }
    }
    return found;
}

std::string SetUpPdfReader(Session& session, std::string_view root) {
    platform::FileSystem& fs = session.os.fs;
    try {
        const std::string cfg = session.inst.ProgramDir + "Acrobat.cfg";
        std::string reader;
        if (fs.Exists(cfg, ListFilter::Files)) {
            const std::string first = FirstLineOf(fs, cfg);
            constexpr std::size_t kShortest = 7;
            if (first != kEndMark && first.size() >= kShortest) {
                reader = first;
            }
        } else {
            reader = FindPdfReader(fs, root);
            WriteTextFile(fs, cfg, {reader});
        }
        if (!reader.empty() && !fs.Exists(reader, ListFilter::Files)) {
            reader.clear();
        }
        return reader;
    } catch (const platform::FileError&) {
        return {};
    }
}

std::string SetUpManuals(Session& session) {
    platform::FileSystem& fs = session.os.fs;
    try {
        const std::string cfg = session.inst.ProgramDir + "Manuals.cfg";
        std::string manuals = session.inst.ProgramDir + "Manuals" + platform::kSeparator;
        if (fs.Exists(cfg, ListFilter::Files)) {
            const std::string first = FirstLineOf(fs, cfg);
            if (first != kEndMark && first.size() > 1) {
                manuals = WithSeparator(first);
            }
        } else {
            WriteTextFile(fs, cfg, {manuals});
        }
        MakeDirIfMissing(fs, Trim(manuals.substr(0, manuals.size() - 1)));
        if (fs.List(manuals + "*.pdf", ListFilter::Files).empty()) {
            return {};
        }
        return manuals;
    } catch (const platform::FileError&) {
        return {};
    }
}

}  // namespace tooling::core
