#include "core/ProgramFolder.h"

#include <algorithm>

#include "core/FileSteps.h"
#include "core/SuiteConfig.h"
#include "platform/FileSystem.h"

namespace tooling::core {

bool LookIn(ProgramFolderSearch& search, const std::string& folder,
            const platform::FileSystem& fs) {
    const std::string named = WithSeparator(folder);
    if (std::find(search.looked.begin(), search.looked.end(), named) == search.looked.end()) {
        search.looked.push_back(named);
    }
    if (!fs.Exists(named + std::string(kSuiteConfigName), platform::ListFilter::Files)) {
        return false;
    }
    search.found = named;
    return true;
}

ProgramFolderSearch FindProgramFolder(const ProgramFolderPlaces& places,
                                      const platform::FileSystem& fs) {
    ProgramFolderSearch search;
    if (!places.option.empty()) {
        LookIn(search, places.option, fs);
        return search;
    }
    for (const std::string& folder : {places.current, places.remembered}) {
        if (!folder.empty() && LookIn(search, folder, fs)) {
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
