#include "core/ProgramFolder.h"

#include <algorithm>

#include "core/FileSteps.h"
#include "core/SuiteConfig.h"
#include "platform/FileSystem.h"

namespace tooling::core {

bool HoldsSuiteConfig(const std::string& folder, const platform::FileSystem& fs) {
    return fs.Exists(WithSeparator(folder) + std::string(kSuiteConfigName),
                     platform::ListFilter::Files);
}

ProgramFolderSearch FindProgramFolder(const ProgramFolderPlaces& places,
                                      const platform::FileSystem& fs) {
    std::vector<std::string> candidates;
    if (!places.option.empty()) {
        candidates.push_back(places.option);
    } else {
        for (const std::string& folder : {places.current, places.remembered}) {
            if (!folder.empty()) {
                candidates.push_back(folder);
            }
        }
    }
    ProgramFolderSearch search;
    for (const std::string& candidate : candidates) {
        const std::string folder = WithSeparator(candidate);
        if (std::find(search.looked.begin(), search.looked.end(), folder) != search.looked.end()) {
            continue;
        }
        search.looked.push_back(folder);
        if (HoldsSuiteConfig(folder, fs)) {
            search.found = folder;
            break;
        }
    }
    return search;
}

std::string NoSuiteConfigMessage(const std::vector<std::string>& looked) {
    std::string text = "No " + std::string(kSuiteConfigName) + " was found";
    if (looked.empty()) {
        text += ".\n";
    } else {
        text += " in:\n";
        for (const std::string& folder : looked) {
            text += "    " + folder + "\n";
        }
    }
    return text +
           "\nChoose the program folder of the Ostrevan installation, the folder that holds " +
           std::string(kSuiteConfigName) + ". The Tool Library remembers it for the next start.";
}

}  // namespace tooling::core
